# The month calendar's accessibility interface, and the window as a screen reader finds it.
