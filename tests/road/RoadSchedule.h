#pragma once

#include "PowerBoardSim.h"

#include <QString>
#include <QVector>

// One seeded schedule of the fault road: who runs which tests, from the key pad or from a
// PC, and which controllers misbehave how and when. Everything in it comes from one
// std::mt19937 seeded with the schedule's seed, so a seed names a schedule for good.
struct RoadSchedule {
    enum TestType { Flow = 0, Occlusion = 1, Pca = 2 };

    struct Test {
        TestType type = Flow;
        int duration = 0;        // s of the controller's clock (flow and PCA)
        int stopAt = -1;         // s into the test at which the operator or the PC stops it
        int pumpType = 0;        // occlusion: 0 manual (the alarm is acknowledged), 1 auto reverse
        double pressureRise = 0; // mmHg/s of the pump against the blockage
    };

    // A controller's fault, set atMs after the schedule's tests begin (a fault from power-on
    // is set before the instrument starts) and cleared forMs later (< 0: never). Its name is
    // one of faultNames().
    struct Fault {
        int channel = 0;
        QString name;
        bool fromPowerOn = false;
        int atMs = 0;
        int forMs = -1;
        int value = 1;
    };

    quint32 seed = 0;
    bool fromPc = false;
    // The simulated controllers' clock runs this many times faster than the wall clock.
    int clockFactor = 1;
    // The controllers report 0 once a test has stopped, where by default they hold its figures.
    bool clearsAfterStop = false;
    QVector<Test> tests[PowerBoardSim::channels];
    QVector<Fault> faults;

    static RoadSchedule make(quint32 seed);
    // The simulator's named faults, and its older switches for lost acknowledgements
    // ("drop-acks") and a NAK with a stray ACK ("nak-with-stray-ack"), less the open ones.
    static QStringList faultNames();
    // The faults that faultNames() leaves out unless RONDIX_ROAD_ALL_FAULTS is set.
    static QStringList openFaults();
    // Sets or clears the fault on the simulator.
    static void apply(PowerBoardSim &sim, const Fault &fault, bool on);
    // The fault restarts the controller: a test it runs is lost.
    static bool restarts(const Fault &fault);
    // Channels on which no fault is ever set.
    bool healthy(int channel) const;
    QString describe() const;
};
