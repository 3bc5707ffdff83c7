#pragma once
// main() for tests that create the program's window: the help browser needs shared GL
// contexts set before the application object exists.

#include <QApplication>
#include <QTest>

#define VT12_WINDOW_TEST_MAIN(TestClass)                                                           \
    int main(int argc, char* argv[]) {                                                             \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);                                \
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");                                               \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
