# The spelling check of the boxes.
