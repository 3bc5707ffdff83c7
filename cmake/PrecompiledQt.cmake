# The Qt headers nearly every file includes are parsed once per target. Kept short: a large
# precompiled header costs more to load in each file than it saves.
# Off for the fuzzers, whose few files are built by clang with other flags.
# With combined sources (VT12_UNITY) each header would serve too few units to pay for itself:
# the whole build took 443 s with them and 319 s without.
if(VT12_UNITY)
    set(vt12_pch_default OFF)
else()
    set(vt12_pch_default ON)
endif()
option(VT12_PCH "Precompile the common Qt headers" ${vt12_pch_default})

# vt12_precompile_qt(TARGET Core|Widgets|Test)
function(vt12_precompile_qt target kind)
    if(NOT VT12_PCH OR VT12_FUZZ)
        return()
    endif()
    set(headers <QObject> <QString> <QByteArray> <QList> <QHash> <QDateTime> <array> <vector>
                <functional> <memory> <optional>)
    if(kind STREQUAL "Widgets" OR kind STREQUAL "Test")
        list(APPEND headers <QWidget> <QLabel> <QPushButton> <QApplication>)
    endif()
    if(kind STREQUAL "Test")
        list(APPEND headers <QTest> <QSignalSpy>)
    endif()
    target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
