cmake_minimum_required(VERSION 3.25)
# The layering check run on small made-up trees: a tree that keeps the rules passes, and
# each way of breaking them fails with a message that names the file and the include.
# Run with cmake -DCHECK=<Layers.cmake> -DWORK=<scratch folder> -P LayersTest.cmake.

# A stand-in for Qt's header folders: one header of each module the cases use.
set(qt ${WORK}/qt)
file(REMOVE_RECURSE ${WORK})
foreach(header QtCore/QString QtGui/QImage QtWidgets/QWidget QtWidgets/QMessageBox)
    file(WRITE ${qt}/${header} "")
endforeach()

# Files of a tree that keeps the rules.
set(good_files
    "core/Exception.h|#include <string>"
    "results/Table.h|#include \"core/Exception.h\""
    "chart/Axis.h|#include \"core/Exception.h\"\n#include <QImage>"
    "chart/Chart.h|#include \"chart/Axis.h\"\n#include <QWidget>"
    "fuzz/Target.cpp|#include \"results/Table.h\""
    "tests/results/TableTest.cpp|#include \"results/Table.h\"\n#include \"tests/Support.h\""
    # A build folder inside the tree is not the tree's.
    "build/CMakeCache.txt|"
    "build/ui/moc_Form.cpp|#include \"Form.h\"\n#include <QMessageBox>")

# One file added to the good tree, and what the check must answer: empty for a pass,
# else a text its failure contains.
set(cases
    "chart/Title.cpp|#include <QMessageBox>|chart/Title.cpp: <QMessageBox> is QtWidgets, which chart/ may not include (it may: QtCore QtGui)"
    "chart/Chart.cpp|#include <QtWidgets/QWidget>|"
    "results/Row.h|#include <QString>|results/Row.h: <QString> is QtCore, which results/ may not include (it may: no Qt at all)"
    "tests/results/RowTest.cpp|#include <QImage>|tests/results/RowTest.cpp: <QImage> is QtGui"
    "core/Text.h|#include \"app/Action.h\"|core/Text.h: core/ may not include \"app/Action.h\""
    "fuzz/Window.cpp|#include \"ui/Form.h\"|fuzz/Window.cpp: fuzz/ may not include \"ui/Form.h\""
    "results/Cell.cpp|#include \"Table.h\"|results/Cell.cpp: \"Table.h\" names no folder"
    "results/Up.cpp|#include \"../core/Exception.h\"|results/Up.cpp: \"../core/Exception.h\" climbs out of its folder"
    "chart/Old.h|#include <QDialog>|chart/Old.h: <QDialog> is in no Qt module"
    "extras/Thing.cpp|#include <string>|extras/Thing.cpp: extras/ has no layering rules")

set(failures "")
foreach(case ${cases})
    string(REPLACE "|" ";" parts "${case}")
    list(GET parts 0 file)
    list(GET parts 1 include)
    list(LENGTH parts length)
    set(expected "")
    if(length GREATER 2)
        list(GET parts 2 expected)
    endif()

    set(tree ${WORK}/tree)
    file(REMOVE_RECURSE ${tree})
    foreach(good ${good_files})
        string(REPLACE "|" ";" good "${good}")
        list(GET good 0 path)
        list(GET good 1 text)
        file(WRITE ${tree}/${path} "${text}\n")
    endforeach()
    file(WRITE ${tree}/${file} "${include}\n")

    execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${tree} -DQT_HEADERS=${qt} -P ${CHECK}
                    RESULT_VARIABLE result ERROR_VARIABLE output OUTPUT_VARIABLE output)
    if(expected STREQUAL "")
        if(NOT result EQUAL 0)
            list(APPEND failures "${file} with ${include} should pass, but:\n${output}")
        endif()
    else()
        string(FIND "${output}" "${expected}" at)
        if(result EQUAL 0 OR at EQUAL -1)
            list(APPEND failures "${file} with ${include} should fail with\n  ${expected}\nbut gave (${result}):\n${output}")
        endif()
    endif()
endforeach()

if(failures)
    list(JOIN failures "\n" text)
    message(FATAL_ERROR "${text}")
endif()
