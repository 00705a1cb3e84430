#include "ui/model_signals.h"

namespace zelvaro {

ModelSignals::ModelSignals(Project& project, QObject* parent) : QObject(parent), project_(project) {
    project_.mirror().addObserver(this);
    project_.table().addObserver(this);
}

ModelSignals::~ModelSignals() {
    project_.mirror().removeObserver(this);
    project_.table().removeObserver(this);
}

void ModelSignals::mirrorChanged(MirrorChange change) {
    pending_.mirror.set(static_cast<std::size_t>(change));
}

void ModelSignals::commandEnded() {
    flush();
}

void ModelSignals::tableChanged(const TableChange& change) {
    if (change.kind == TableChange::Kind::Reset) {
        pending_.tableReset = true;
    } else {
        pending_.tableData = true;
        if (!pending_.tableReset) emit rowChanged(change);
    }
    // A change made by the table alone, outside any command of the mirror, ends here.
    if (!project_.mirror().inCommand()) flush();
}

void ModelSignals::flush() {
    if (!pending_.any()) return;
    const ModelChanges changes = pending_;
    pending_ = ModelChanges();
    emit changed(changes);
}

}  // namespace zelvaro
