#pragma once

#include "core/MemoryFieldStore.h"
#include "tests/form/OpenNoticeNotifier.h"
#include "ui/form/EventRouter.h"

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
