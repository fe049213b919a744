#include "common/core/Page.h"

#include <stdexcept>

namespace zarvik {

Page::Page(QString name, Paper paper) : name_(std::move(name)), paper_(paper) {}

double Page::paperWidth() const {
    if (paper_ == Paper::A4Landscape) return 2970.0;
    return paper_ == Paper::A4 ? 2100.0 : 1480.0;
}
double Page::paperHeight() const {
    if (paper_ == Paper::A4Landscape) return 2100.0;
    return paper_ == Paper::A4 ? 2970.0 : 2100.0;
}

Cell& Page::add(Cell cell) {
    // One look-up: a name not yet known gets its slot as it is asked for.
    const qsizetype before = index_.size();
    qsizetype& slot = index_[cell.name];
    if (index_.size() == before)
        throw std::logic_error("duplicate cell " + cell.name.toStdString());
    slot = static_cast<qsizetype>(cells_.size());
    cells_.push_back(std::move(cell));
    return cells_.back();
}

bool Page::has(QStringView name) const {
    return has(name.toString());
}

bool Page::has(const QString& name) const {
    return index_.contains(name);
}

Cell& Page::cell(QStringView name) {
    return cell(name.toString());
}

const Cell& Page::cell(QStringView name) const {
    return cell(name.toString());
}

Cell& Page::cell(const QString& name) {
    return const_cast<Cell&>(static_cast<const Page*>(this)->cell(name));
}

const Cell& Page::cell(const QString& name) const {
    const auto it = index_.constFind(name);
    if (it == index_.constEnd())
        throw std::out_of_range("no cell " + name.toStdString() + " on " + name_.toStdString());
    return cells_[static_cast<size_t>(*it)];
}

}  // namespace zarvik
