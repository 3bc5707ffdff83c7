#pragma once
// Several test classes in one executable: each file registers its class under the file's own
// name, and the executable runs the one class CTest names, so every class still gets a process.

#include <QObject>
#include <QTest>

#include <memory>

// The application object the class needs, as QTest's main macros would make it.
enum class TestApplication { None, Core, Widgets, Window };

using TestFactory = std::unique_ptr<QObject> (*)();
using BeforeApplication = void (*)();

bool RegisterTest(const char* sourceFile, TestApplication application, BeforeApplication before,
                  TestFactory make);

// As with QTest's own main, a class's static initMain() runs before the application exists.

#define VT12_TEST(TestClass, application)                                                          \
    namespace {                                                                                    \
    [[maybe_unused]] const bool testRegistered##TestClass =                                        \
        RegisterTest(__FILE__, application, &QTest::Internal::callInitMain<TestClass>,             \
                     []() -> std::unique_ptr<QObject> { return std::make_unique<TestClass>(); });  \
    }
