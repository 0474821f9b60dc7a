# The month calendar's accessibility interface, and the window as a screen reader finds it.
orvanta_add_test(tst_month_view_accessible LIBS orvanta_controls)
# The program on a virtual desktop with its own accessibility bus, read through AT-SPI.
add_test(NAME e2e_accessibility
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/accessibility_e2e.sh $<TARGET_FILE:orvanta>
            $<TARGET_FILE:make_empty_calendar> ${ORVANTA_E2E_DESKTOP})
set_tests_properties(e2e_accessibility PROPERTIES
    SKIP_RETURN_CODE 77 TIMEOUT 300 RUN_SERIAL TRUE LABELS e2e)
