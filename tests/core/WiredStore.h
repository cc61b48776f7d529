#pragma once

#include "core/EntryChecks.h"
#include "core/MemoryFieldStore.h"
#include "tests/core/RecordingNotifier.h"

#include <map>

// An in-memory store wired like the window: changes of Text1 and Text2 run
// their checks, and every notice is recorded.
struct WiredStore {
    WiredStore()
    {
        store.addListener(taruk::FieldId::Text1,
                          [this] { taruk::checkRawDamage(store, notifier); });
        store.addListener(taruk::FieldId::Text2,
                          [this] { taruk::checkElementCorrection(store, notifier); });
    }
    // Sets texts without running the checks' notices into the record.
    void fill(const std::map<taruk::FieldId, std::string> &texts)
    {
        for (const auto &[id, text] : texts)
            store.setText(id, text);
        notifier.messages.clear();
    }

    taruk::MemoryFieldStore store;
    RecordingNotifier notifier;
};
