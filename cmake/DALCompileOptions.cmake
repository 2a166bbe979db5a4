# Compile settings of this project's own targets. None of them reaches a
# program that links the installed package.

# Qt's strict string and keyword rules. The library and dal-inspect build
# under them; the public headers are checked to compile under them on their
# own (tests/CMakeLists.txt, public-headers), so a host may enable them too.
set(DAL_QT_STRICT_DEFINITIONS
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_KEYWORDS
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_URL_CAST_FROM_STRING)

# -Wall -Wextra, and -Werror with DAL_WARNINGS_AS_ERRORS.
function(dal_target_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(DAL_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# Parsing the Qt headers is most of the compile time of a small source file;
# precompiled once per target they halve a clean build. Set
# CMAKE_DISABLE_PRECOMPILE_HEADERS=ON to compile without.
function(dal_precompile_qt_headers target)
    target_precompile_headers(${target} PRIVATE
        <QDomDocument> <QDomElement> <QDomNodeList> <QHash> <QList> <QMap>
        <QString> <QStringList> <QVector> ${ARGN})
endfunction()

# Compiling the library and the linter in batches of source files parses the
# Qt headers once per batch: a clean build of dal-inspect takes about half
# the time. The default preset turns it on; the other presets compile every
# file alone, which also proves that each one includes what it uses.
option(DAL_UNITY_BUILD "Compile the library and the linter in batches of source files" OFF)
function(dal_batch_sources target)
    if(DAL_UNITY_BUILD)
        set_target_properties(${target} PROPERTIES UNITY_BUILD ON)
    endif()
endfunction()
