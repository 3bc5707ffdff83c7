#pragma once
// Which installation the polls are chosen for.

class InstallationSource {
public:
    virtual ~InstallationSource() = default;
    virtual int InstallationMode() const = 0;
};
