#include "cli/cli_link.h"

#include "data/factory_defaults.h"

CliLink::CliLink(int fixedPort, const PortPathOverrides& paths, QObject* parent) : QObject(parent) {
    host_.Port().PortPaths = paths;
    // The first detection step moves on to COM1, or takes the pinned port.
    host_.Port().SetComNumber(0);
    host_.Session().Detector().SetFixedPort(fixedPort);
    connect(&host_, &SessionHost::LogWritten, this, &CliLink::TakeLog);
    connect(&host_, &SessionHost::ProgressAdvanced, this, [this](int step) {
        if (OnProgress)
            OnProgress(step);
    });
}

CliLink::~CliLink() {
    host_.Close();
}

void CliLink::Begin() {
    ApplyFactoryDefaults(host_.Session().Images());
    host_.StartDetection();
}

void CliLink::TakeLog(const QString& text, bool append, bool replace) {
    if (!openLine_ || (!append && !replace)) {
        FlushLog();
        openLine_ = text;
    } else if (replace) {
        openLine_ = text;
    } else {
        *openLine_ += text;
    }
}

void CliLink::FlushLog() {
    if (openLine_ && OnLogLine)
        OnLogLine(*openLine_);
    openLine_.reset();
}
