# Runs the widget-free include check on small sources: the plain one must
# pass, each one reaching a widget, a Gui header or a widget-library header
# must fail.
cmake_minimum_required(VERSION 3.25)

function(check sources expect_ok)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -DQT_CORE_INCLUDE=${QT_CORE_INCLUDE} -DSOURCE_ROOT=${CASES}
                "-DSOURCES=${sources}" -P ${CHECKER}
        RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
    if(expect_ok AND NOT result EQUAL 0)
        message(FATAL_ERROR "refused a widget-free source: ${sources}")
    elseif(NOT expect_ok AND result EQUAL 0)
        message(FATAL_ERROR "let through: ${sources}")
    endif()
endfunction()

check("records/Plain.cpp;records/Plain.h" TRUE)
foreach(bad Widget QualifiedWidget GuiImage PageHeader)
    check("records/Plain.cpp;records/Plain.h;records/${bad}.cpp" FALSE)
endforeach()
