# The month calendar's accessibility interface, and the window as a screen reader finds it.
orvanta_add_test(tst_month_view_accessible LIBS orvanta_controls)
