#include "shell/held_start.h"

namespace shell {

StartBefore::StartBefore(const TClient& client, const TChild& window)
    : tool_(client), datum_(window.DatumNow()) {}

void StartBefore::PutBack(TClient& client, TChild& window) const {
    // The tool holding the start ends as a replaced tool ends: its band goes off the screen.
    tool_.Reinstall(client);
    if (client.Tool) client.Tool->Window = &window;
    PutBackDatum(window);
}

void StartBefore::PutBackDatum(TChild& window) const {
    window.PutBackDatum(datum_);
}

void StartBefore::KeepReference(const TChild& window) {
    datum_ = window.DatumNow();
}

void RecordStart(TChild& window) {
    window.BeforeStart = std::make_unique<StartBefore>(window.Client(), window);
}

void PutBackStart(TChild& window) {
    if (window.BeforeStart) window.BeforeStart->PutBack(window.Client(), window);
}

} // namespace shell
