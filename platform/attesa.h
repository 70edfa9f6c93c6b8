#pragma once
// The busy cursor over the whole program while it waits for something, such as the printer.
class Attesa {
public:
    Attesa();
    ~Attesa();
    Attesa(const Attesa&) = delete;
    Attesa& operator=(const Attesa&) = delete;
    // Back to the usual cursor before the wait's scope ends, e.g. before a message to the pupil.
    void fine();

private:
    bool attiva_ = true;
};
