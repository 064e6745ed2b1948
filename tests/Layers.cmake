cmake_minimum_required(VERSION 3.25)
# The layering of the whole tree, the program's folders, tests/, tools/, bench/ and fuzz/
# alike, so that it stays true as the code grows:
# - a folder includes only its own headers and those of the folders beneath it, each
#   named from the root ("app/Action.h", never "Action.h" or "../app/Action.h");
# - a folder includes only the Qt modules it needs, none at all below the windows.
# Run with cmake -DROOT=<source folder> -DQT_HEADERS=<the folder of Qt's module folders>
# -P Layers.cmake. A source in a folder without rules fails too, so that a new folder
# gets its rules when it is made.

# Each folder's rules: the folders it may include besides itself (layers_), and the Qt
# modules it may include (qt_). A deeper folder without rules of its own follows the
# closest folder above it that has them.
set(layers_core "")
set(qt_core "")
set(layers_numtext core)
set(qt_numtext "")
set(layers_calc core)
set(qt_calc "")
set(layers_results core numtext calc)
set(qt_results "")
set(layers_platform core)
set(qt_platform Core Gui)
set(layers_chart core numtext platform)
set(qt_chart Core Gui)
set(layers_picture core platform)
set(qt_picture Core Gui)
set(layers_assets "")
set(qt_assets "")
set(layers_app core numtext results platform)
set(qt_app Core Gui Widgets)
set(layers_ui core numtext calc results platform chart picture assets app)
set(qt_ui Core Gui Widgets Svg)
# The window renderer draws the program's windows; the circuit-picture generator draws alone.
set(layers_tools/render ${layers_ui} ui)
set(qt_tools/render Core Gui Widgets)
set(layers_tools/schematic "")
set(qt_tools/schematic Core Gui)
set(layers_bench ${layers_ui} ui)
set(qt_bench Core Gui)
# The fuzz targets reach no window: the numbers, the sweep, the results and the picture.
set(layers_fuzz core numtext calc results platform picture)
set(qt_fuzz Core Gui)
# A folder's tests include what the folder may, the folder itself and the test helpers;
# the tests of the Qt-free folders use no Qt either.
set(test_folders core numtext calc results platform chart picture app ui)
foreach(folder ${test_folders})
    set(layers_tests/${folder} "${layers_${folder}};${folder};tests")
    set(qt_tests/${folder} "${qt_${folder}}")
endforeach()
list(APPEND layers_tests/picture assets tools) # stored pictures and JPEG files to read
list(APPEND qt_tests/picture Widgets) # the image control
list(APPEND qt_tests/app Test)
list(APPEND qt_tests/ui Test)
set(layers_tests app)                  # the shared mains and helpers of the widget tests
set(qt_tests Core Gui Widgets Test)

# Single files with a module their folder may not use otherwise: the thin widgets over the
# chart engine and over the picture.
set(qt_file_chart/Chart.h Widgets)
set(qt_file_chart/Chart.cpp Widgets)
set(qt_file_picture/Image.h Widgets)
set(qt_file_picture/Image.cpp Widgets)

# The rules' folder of a source's folder: itself or the closest folder above with rules;
# empty when none has them.
function(rules_folder folder out)
    while(NOT DEFINED qt_${folder} AND folder MATCHES "/")
        string(REGEX REPLACE "/[^/]*$" "" folder "${folder}")
    endwhile()
    if(NOT DEFINED qt_${folder})
        set(folder "")
    endif()
    set(${out} "${folder}" PARENT_SCOPE)
endfunction()

# The Qt module of an include: QtWidgets for <QMenu> and <QtWidgets/QMenu>; empty when
# no module has the header.
function(qt_module header out)
    if(header MATCHES "^Qt([A-Za-z]+)/")
        set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
        return()
    endif()
    file(GLOB found LIST_DIRECTORIES false "${QT_HEADERS}/Qt*/${header}")
    set(module "")
    if(found)
        list(GET found 0 first)
        string(REGEX REPLACE "^.*/Qt([A-Za-z]+)/[^/]*$" "\\1" module "${first}")
    endif()
    set(${out} "${module}" PARENT_SCOPE)
endfunction()

set(failures "")
set(sources "")
file(GLOB entries RELATIVE ${ROOT} ${ROOT}/*)
foreach(entry ${entries})
    # Build folders made inside the source tree, and hidden folders, are not the tree's.
    if(NOT IS_DIRECTORY ${ROOT}/${entry} OR entry MATCHES "^\\." OR EXISTS ${ROOT}/${entry}/CMakeCache.txt)
        continue()
    endif()
    file(GLOB_RECURSE found RELATIVE ${ROOT} ${ROOT}/${entry}/*.h ${ROOT}/${entry}/*.cpp ${ROOT}/${entry}/*.inl)
    list(APPEND sources ${found})
endforeach()

foreach(source ${sources})
    get_filename_component(dir ${source} DIRECTORY)
    rules_folder(${dir} rules)
    if(rules STREQUAL "")
        list(APPEND failures "${source}: ${dir}/ has no layering rules, give it its rules in tests/Layers.cmake")
        continue()
    endif()
    string(REGEX REPLACE "/.*$" "" own ${rules})
    set(allowed ${layers_${rules}} ${own})
    set(modules ${qt_${rules}} ${qt_file_${source}})
    if(modules)
        list(TRANSFORM modules PREPEND Qt OUTPUT_VARIABLE allowed_text)
        list(JOIN allowed_text " " allowed_text)
    else()
        set(allowed_text "no Qt at all")
    endif()

    file(STRINGS ${ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line ${includes})
        if(line MATCHES "\"([^\"]*)\"")
            set(path ${CMAKE_MATCH_1})
            if(path MATCHES "\\.\\.")
                list(APPEND failures "${source}: \"${path}\" climbs out of its folder, name it from the root")
            elseif(NOT path MATCHES "^([a-z]+)/")
                list(APPEND failures "${source}: \"${path}\" names no folder, name it from the root (\"${dir}/${path}\" for a header beside it)")
            elseif(NOT CMAKE_MATCH_1 IN_LIST allowed)
                list(APPEND failures "${source}: ${rules}/ may not include \"${path}\"")
            endif()
        elseif(line MATCHES "<(Q[^>]*)>")
            set(header ${CMAKE_MATCH_1})
            if(DEFINED module_of_${header})
                set(module ${module_of_${header}})
            else()
                qt_module(${header} module)
                set(module_of_${header} "${module}")
            endif()
            if(module STREQUAL "")
                list(APPEND failures "${source}: <${header}> is in no Qt module under ${QT_HEADERS}")
            elseif(NOT module IN_LIST modules)
                list(APPEND failures "${source}: <${header}> is Qt${module}, which ${rules}/ may not include (it may: ${allowed_text})")
            endif()
        endif()
    endforeach()
endforeach()

if(failures)
    # One line each, unwrapped, so that every file and include can be read off.
    list(JOIN failures "\n" text)
    message(NOTICE "${text}")
    list(LENGTH failures count)
    message(FATAL_ERROR "The layering is broken in ${count} place(s), listed above.")
endif()
