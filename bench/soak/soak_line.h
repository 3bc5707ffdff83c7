#pragma once
// One line of the soak: a controller session on its own pseudo-terminal, used like a
// technician who edits and saves, reloads, reads counters and runs test commands, and checked
// after every result.

#include "session/session_host.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <random>

struct SoakFigures {
    uint64_t transactions = 0;
    uint64_t polls = 0;
    uint64_t reads = 0;
    uint64_t writes = 0;
    uint64_t commands = 0;
    uint64_t failed = 0;
    int detections = 0;
    int saves = 0;
    int savesVerified = 0;
    int savesWithFalse = 0;
    int verifiedBlocks = 0;
    int falseBlocks = 0;
    QStringList violations;
};

class SoakLine : public QObject {
public:
    // master: the simulator plays a MASTER with its SLAVE linked.
    SoakLine(int com, QString storePath, uint32_t seed, bool master);
    ~SoakLine() override;

    // Detection starts on the line's port, as after the program's start-up delay.
    void Begin();
    void End() { host_.Close(); }
    const SoakFigures& Figures() const { return figures_; }

private:
    void BeforeSend();
    void BeforeResult(const TModbusResult& result);
    void AfterResult();
    void CheckReadAgainstStore(const TModbusResult& result, const BlockSpec& block);
    void CheckStatus(const TModbusResult& result, uint32_t job);
    void OnBlockVerified(BlockId block, bool verified);
    void CheckSave(const SaveResult& result);
    void StartOperation();
    void EditSettings();
    void Watch();
    void Violation(const QString& text);
    QByteArray Stored(BlockId block) const;
    int Below(int bound) { return static_cast<int>(random_() % static_cast<uint32_t>(bound)); }

    QString storePath_;
    bool master_;
    std::mt19937 random_;
    SessionHost host_;
    ControllerSession& session_ = host_.Session();
    QTimer watchdog_;
    SoakFigures figures_;

    bool inFlight_ = false;
    bool overdueTold_ = false;
    QElapsedTimer sinceRequest_;
    QElapsedTimer sinceResult_;
    int idleLeft_ = 0;
    bool saving_ = false;
    uint32_t changedBlocks_ = 0;
};
