#pragma once
// A network port's failure in words, for the screens and the command line.

#include "link/byte_channel.h"

#include <QString>

// Empty for the causes of serial devices, which their callers explain themselves.
QString NetworkFailureWords(ChannelFailure cause);
