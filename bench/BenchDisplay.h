#pragma once

// The display of the screen benchmarks: offscreen, a point a pixel as on the instrument,
// Arial, and the one screen area of 320 x 240 shown.
#include "BenchRun.h"
#include "ScreenBase.h"

#include <QApplication>
#include <QStackedWidget>


class BenchDisplay
{
    // Before the application is built, which reads them.
    static bool prepare()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
            qputenv("QT_FONT_DPI", "72");
        return true;
    }

    // Built in this order: the environment, the application, then the screen area.
    bool m_prepared;
    QApplication m_app;

public:
    BenchDisplay(int &argc, char **argv) : m_prepared(prepare()), m_app(argc, argv)
    {
        QApplication::setFont(QFont(QStringLiteral("Arial")));
        stack.resize(320, 240);
        stack.show();
        ScreenBase::stackedWidget = &stack;
    }
    ~BenchDisplay() { ScreenBase::stackedWidget = nullptr; }
    BenchDisplay(const BenchDisplay &) = delete;
    BenchDisplay &operator=(const BenchDisplay &) = delete;

    // Runs the benchmarks the command line names; 1 for an argument it does not know.
    static int run(int &argc, char **argv) { return runBenchmarks(argc, argv); }

    QStackedWidget stack;
};
