#include "bench/soak/soak_line.h"

#include "bench/soak/controller_store.h"

namespace {
constexpr int kWatchMs = 500;
// Beyond the longest wait for a result: the longest timeout a slow unit earns (4 s), counted
// from the last piece of an answer, which may itself come up to 4 s after the request.
constexpr qint64 kLongestResultMs = 9000;
// A request waits up to 4 s for a quiet line before it goes out.
constexpr qint64 kLongestIdleMs = 6000;
// The status byte that tells a MASTER's status (its slave linked) from the SLAVE's.
constexpr int kSlaveLinkByte = 3 + 15;
constexpr uint8_t kSlaveLinked = 30;
constexpr int kMostIdlePolls = 6;

constexpr BlockId kMasterSettings[] = {BlockId::GateSettings, BlockId::SystemSettings,
                                       BlockId::GateNames, BlockId::VacuumSettings};

QString NameOf(BlockId block) {
    return QString::fromLatin1(SpecOf(block).name);
}
} // namespace

SoakLine::SoakLine(int com, QString storePath, uint32_t seed, bool master)
    : storePath_(std::move(storePath)), master_(master), random_(seed) {
    connect(&session_, &ControllerSession::BlockVerified, this, &SoakLine::OnBlockVerified);
    connect(&session_, &ControllerSession::SaveFinished, this, &SoakLine::CheckSave);
    session_.Detector().SetFixedPort(com);

    // The checks sit between the client and the session's own handling of each exchange.
    TModbusClient& client = session_.Client();
    client.OnSend = [this, send = client.OnSend](const uint8_t* data, int length) {
        BeforeSend();
        send(data, length);
    };
    client.OnResult = [this, take = client.OnResult](TModbusResult& result) {
        BeforeResult(result);
        take(result);
        AfterResult();
    };
    connect(&session_, &ControllerSession::PortOpenedOn, this, [this] { ++figures_.detections; });
    connect(&watchdog_, &QTimer::timeout, this, &SoakLine::Watch);
}

SoakLine::~SoakLine() = default;

void SoakLine::Begin() {
    sinceResult_.start();
    watchdog_.start(kWatchMs);
    session_.Detector().DelayExpired();
}

void SoakLine::BeforeSend() {
    if (inFlight_)
        Violation(QStringLiteral("a request while another is in flight"));
    inFlight_ = true;
    overdueTold_ = false;
    sinceRequest_.start();
}

void SoakLine::BeforeResult(const TModbusResult& result) {
    if (!inFlight_)
        Violation(QStringLiteral("a result without a request"));
    inFlight_ = false;
    sinceResult_.start();
    ++figures_.transactions;
    const uint32_t job = session_.Scheduler().CurrentJob();
    if (job == JOB_POLL_STATUS || job == JOB_POLL_SLAVE_STATUS || job == JOB_POLL_VFD_STATUS)
        ++figures_.polls;
    else if (result.FunctionCode == kReadHolding || result.FunctionCode == kReadInput)
        ++figures_.reads;
    else if (result.FunctionCode == 16)
        ++figures_.writes;
    else
        ++figures_.commands;
    if (result.Status != mrOK) {
        ++figures_.failed;
        return;
    }
    const BlockSpec* block = BlockForJob(job);
    const bool identification = job == JOB_READ_FIRMWARE_INFO || job == JOB_READ_FIRMWARE_INFO_2 ||
                                job == JOB_READ_BOOTLOADER_INFO || job == JOB_READ_SLAVE_VERSION;
    if (block != nullptr && (identification || (block->isSettings() && block->readJob == job)))
        CheckReadAgainstStore(result, *block);
    CheckStatus(result, job);
}

// A status poll shows the status of the unit asked: a MASTER's tells its slave linked, the
// SLAVE's does not, and neither is the answer to another request.
void SoakLine::CheckStatus(const TModbusResult& result, uint32_t job) {
    if (job != JOB_POLL_STATUS && job != JOB_POLL_SLAVE_STATUS)
        return;
    if (result.FunctionCode != kReadInput || result.Frame[2] != result.DataByteCount) {
        Violation(QStringLiteral("a status poll answered with another block's length"));
        return;
    }
    const uint8_t slaveLink = result.Frame[kSlaveLinkByte];
    const uint8_t expected = job == JOB_POLL_STATUS && master_ ? kSlaveLinked : 0;
    if (slaveLink != expected)
        Violation(QStringLiteral("%1 answered with SlaveLink %2 instead of %3")
                      .arg(job == JOB_POLL_STATUS ? "a status poll" : "a slave status poll")
                      .arg(slaveLink)
                      .arg(expected));
}

// A settings read shows what the controller holds: no answer to another request is taken.
void SoakLine::CheckReadAgainstStore(const TModbusResult& result, const BlockSpec& block) {
    const QByteArray data(reinterpret_cast<const char*>(result.Frame.data()) + 3,
                          result.DataByteCount);
    if (data != Stored(block.id))
        Violation(QStringLiteral("a read of %1 answered with what the controller does not hold")
                      .arg(NameOf(block.id)));
}

void SoakLine::AfterResult() {
    if (saving_ || session_.Scheduler().JobMask() != 0)
        return;
    if (--idleLeft_ > 0)
        return;
    idleLeft_ = 1 + Below(kMostIdlePolls);
    StartOperation();
}

void SoakLine::StartOperation() {
    TJobScheduler& scheduler = session_.Scheduler();
    const int roll = Below(100);
    if (roll < 35) {
        EditSettings();
        changedBlocks_ = 0;
        for (const BlockId block : kMasterSettings)
            if (session_.Images().IsChanged(block))
                changedBlocks_ |= BlockBit(block);
        saving_ = true;
        ++figures_.saves;
        session_.StartSave();
    } else if (roll < 55) {
        scheduler.SetJob(JOB_READ_SYSTEM_SETTINGS | JOB_READ_GATE_SETTINGS | JOB_READ_GATE_NAMES |
                         JOB_READ_VACUUM_SETTINGS);
    } else if (roll < 75) {
        scheduler.SetJob(JOB_READ_COUNTERS);
    } else {
        scheduler.SetJob(JOB_TEST_COMMAND);
    }
}

// One to three changes a technician could make: a letter of a gate name, a gate's on delay,
// the reverse delay.
void SoakLine::EditSettings() {
    ControllerImages& images = session_.Images();
    const int edits = 1 + Below(3);
    for (int i = 0; i < edits; ++i) {
        switch (Below(3)) {
        case 0: {
            std::span<uint8_t> names = images.EditedImage(BlockId::GateNames);
            names[static_cast<size_t>(Below(static_cast<int>(names.size())))] =
                static_cast<uint8_t>('A' + Below(26));
            break;
        }
        case 1:
            images.GateSettings.Edited.Gates[static_cast<size_t>(Below(kGatesPerUnit))].SetOnDelay(
                static_cast<uint16_t>(Below(1000)));
            break;
        default:
            images.SystemSettings.Edited.SetReverseDelay(static_cast<uint8_t>(Below(256)));
            break;
        }
    }
}

// A verdict on a written block must match what the controller holds.
void SoakLine::OnBlockVerified(BlockId block, bool verified) {
    const bool holdsEdited = Stored(block) == QByteArrayView(session_.Images().EditedImage(block));
    if (verified) {
        ++figures_.verifiedBlocks;
        if (!holdsEdited)
            Violation(QStringLiteral("%1 reported verified, but the controller holds it otherwise")
                          .arg(NameOf(block)));
        return;
    }
    ++figures_.falseBlocks;
    if (holdsEdited)
        Violation(QStringLiteral("%1 reported not verified, but the controller holds it as edited")
                      .arg(NameOf(block)));
}

// After a save reported verified in every block it changed, the controller holds the images.
void SoakLine::CheckSave(const SaveResult& result) {
    if (!saving_)
        return;
    saving_ = false;
    if (result.differing != 0) {
        ++figures_.savesWithFalse;
        return;
    }
    if (result.interrupted || (result.verified & changedBlocks_) != changedBlocks_)
        return;
    ++figures_.savesVerified;
    const ControllerImages& images = session_.Images();
    for (const BlockId block : kMasterSettings) {
        const QByteArray stored = Stored(block);
        if (stored != QByteArrayView(images.ReadImage(block)) ||
            stored != QByteArrayView(images.EditedImage(block)))
            Violation(QStringLiteral("after a verified save the controller holds %1 otherwise")
                          .arg(NameOf(block)));
    }
}

void SoakLine::Watch() {
    if (inFlight_ && !overdueTold_ && sinceRequest_.elapsed() > kLongestResultMs) {
        overdueTold_ = true;
        Violation(QStringLiteral("no result %1 ms after a request").arg(kLongestResultMs));
    }
    if (!inFlight_ && sinceResult_.elapsed() > kLongestIdleMs) {
        sinceResult_.start();
        Violation(QStringLiteral("no request for %1 ms").arg(kLongestIdleMs));
    }
}

void SoakLine::Violation(const QString& text) {
    figures_.violations << QStringLiteral("COM%1 after %2 transactions: %3")
                               .arg(session_.Detector().FixedPort())
                               .arg(figures_.transactions)
                               .arg(text);
}

QByteArray SoakLine::Stored(BlockId block) const {
    return ReadControllerStore(storePath_).value(SpecOf(block).start);
}
