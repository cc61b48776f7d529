#pragma once

#include "core/MemoryFieldStore.h"
#include "tests/core/RecordingNotifier.h"
#include "ui/form/EventRouter.h"

#include <functional>
#include <utility>

// Notices recorded; while the first is "open" a callback may act, as a
// screen reader or a script could while a real message box waits.
class OpenNoticeNotifier : public RecordingNotifier {
public:
    void notify(std::string_view message) override
    {
        RecordingNotifier::notify(message);
        if (whileOpen)
            std::exchange(whileOpen, nullptr)();
    }
    std::function<void()> whileOpen;
};

// The router over an in-memory store wired as a window wires its boxes:
// every text change is reported with the text the box now holds.
struct RoutedStore {
    explicit RoutedStore(char separator = '.') : router(store, notifier, separator)
    {
        for (taruk::FieldId id : taruk::kAllFields)
            store.addListener(id, [this, id] { router.textChanged(id, store.getText(id)); });
    }

    taruk::MemoryFieldStore store;
    OpenNoticeNotifier notifier;
    taruk::EventRouter router;
};
