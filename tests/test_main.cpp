// Test entry point: the application object each test binary needs (none
// with a GUI for the core tests; offscreen unless the environment says
// otherwise for pages and windows), then GoogleTest.

#include <gtest/gtest.h>

#if defined(ZARVIK_CORE_TESTS)
#include <QCoreApplication>

#include "tests/core/FixedTextMeasure.h"
using TestApplication = QCoreApplication;
#elif defined(ZARVIK_WIDGETS_TESTS)
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

int main(int argc, char** argv) {
#ifndef ZARVIK_CORE_TESTS
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    TestApplication app(argc, argv);
#if defined(ZARVIK_CORE_TESTS)
    // The core tests link no fonts: pages are laid out with a stand-in.
    static const zarvik::test::FixedTextMeasure measure;
    zarvik::installTextMeasure(&measure);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
