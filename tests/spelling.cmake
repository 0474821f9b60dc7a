# The spelling check of the boxes.
orvanta_add_test(tst_spelling LIBS orvanta_spelling)
