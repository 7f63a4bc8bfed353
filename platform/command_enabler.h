// Command routing support: the enabler handed to a window's enabling pass, and a table that maps
// command identifiers to a window's handler and optional enabler.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

// Asks whether a command (menu item or control-bar button) is available now. A window that has a
// handler for the command may call Enable or SetCheck; one that has none leaves it disabled.
class TCommandEnabler {
public:
    enum { Unchecked = 0, Checked = 1, Indeterminate = 2 };

    explicit TCommandEnabler(int32_t id) : Id(id) {}

    int32_t GetId() const { return Id; }
    void Enable(bool enable = true) {
        Enabled = enable;
        Handled = true;
    }
    void SetCheck(int state) {
        CheckState = state;
        CheckSet = true;
        Handled = true;
    }
    // The layer's reading of the result.
    bool GetHandled() const { return Handled; }
    bool IsEnabled() const { return Enabled; }
    bool HasCheck() const { return CheckSet; }
    int GetCheck() const { return CheckState; }

private:
    int32_t Id;
    bool Enabled = true;
    bool Handled = false;
    bool CheckSet = false;
    int CheckState = Unchecked;
};

// A window's command table: identifier -> handler, with an optional enabler. Windows look their
// own table up first and pass unknown identifiers to their base.
template <class T> class TCommandTable {
public:
    struct Entry {
        int32_t Id;
        void (T::*Handler)() = nullptr;
        void (T::*Enabler)(TCommandEnabler&) = nullptr;
    };

    TCommandTable(std::initializer_list<Entry> entries) : Entries(entries) {}

    const Entry* Find(int32_t id) const {
        for (const Entry& e : Entries)
            if (e.Id == id) return &e;
        return nullptr;
    }
    // Runs the handler; false when the table has none for the identifier.
    bool Process(T& window, int32_t id) const {
        const Entry* e = Find(id);
        if (!e || !e->Handler) return false;
        (window.*(e->Handler))();
        return true;
    }
    // Runs the enabler when there is one; true when the table knows the identifier (a handler
    // alone means "enabled").
    bool Enable(T& window, TCommandEnabler& ce) const {
        const Entry* e = Find(ce.GetId());
        if (!e) return false;
        if (e->Enabler)
            (window.*(e->Enabler))(ce);
        else
            ce.Enable(e->Handler != nullptr);
        return true;
    }
    const std::vector<Entry>& GetEntries() const { return Entries; }

private:
    std::vector<Entry> Entries;
};
