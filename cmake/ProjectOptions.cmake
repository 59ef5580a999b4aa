# Options every target of the project compiles with.
add_library(project_options INTERFACE)
target_compile_features(project_options INTERFACE cxx_std_20)
target_compile_definitions(project_options INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_USE_QSTRINGBUILDER
    QT_NO_KEYWORDS)
target_compile_options(project_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual)
target_include_directories(project_options INTERFACE ${PROJECT_SOURCE_DIR}/src)

# One static library per module: mirelto_module(NAME SOURCES... LIBS ...)
function(mirelto_module name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(core_${name} STATIC ${ARG_SOURCES})
    target_link_libraries(core_${name} PUBLIC project_options ${ARG_LIBS})
endfunction()
