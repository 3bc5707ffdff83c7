#pragma once
// Turns of the link run later, from the event loop, so that the client finishes its
// bookkeeping and user input is served between two requests.

class TurnPoster {
public:
    virtual ~TurnPoster() = default;
    virtual void PostNextJob() = 0;
    virtual void PostDetectPort() = 0;
};
