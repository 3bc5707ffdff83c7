// Runs one registered test class: `SUITE NAME [QTest options]`; with no name, lists them.

#include "tests/support/test_registry.h"

#include <QApplication>
#include <QFileInfo>
#include <QTest>

#include <cstdio>
#include <map>
#include <string>

namespace {

struct Registered {
    TestApplication application;
    BeforeApplication before;
    TestFactory make;
};

std::map<std::string, Registered>& Registry() {
    static std::map<std::string, Registered> registry;
    return registry;
}

std::unique_ptr<QCoreApplication> MakeApplication(TestApplication kind, int& argc, char** argv) {
    std::unique_ptr<QCoreApplication> app;
    switch (kind) {
    case TestApplication::None:
        return app;
    case TestApplication::Core:
        app = std::make_unique<QCoreApplication>(argc, argv);
        break;
    case TestApplication::Window:
        // The help browser needs shared GL contexts before the application exists, and its
        // sandbox cannot run as root, as the suite does on CI.
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        [[fallthrough]];
    case TestApplication::Widgets:
        app = std::make_unique<QApplication>(argc, argv);
        break;
    }
    app->setAttribute(Qt::AA_Use96Dpi, true);
    return app;
}

} // namespace

bool RegisterTest(const char* sourceFile, TestApplication application, BeforeApplication before,
                  TestFactory make) {
    const std::string name =
        QFileInfo(QString::fromUtf8(sourceFile)).completeBaseName().toStdString();
    return Registry().emplace(name, Registered{application, before, make}).second;
}

int main(int argc, char** argv) {
    const auto found = argc > 1 ? Registry().find(argv[1]) : Registry().end();
    if (found == Registry().end()) {
        for (const auto& [name, registered] : Registry())
            std::printf("%s\n", name.c_str());
        return argc > 1 ? 2 : 0;
    }
    // QTest reads its options after the program name: the test's name takes that place.
    int testArgc = argc - 1;
    char** testArgv = argv + 1;
    found->second.before();
    const auto app = MakeApplication(found->second.application, testArgc, testArgv);
    const auto test = found->second.make();
    return QTest::qExec(test.get(), testArgc, testArgv);
}
