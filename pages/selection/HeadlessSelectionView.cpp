#include "pages/selection/HeadlessSelectionView.h"

#include "pages/selection/SelectionPageItems.h"
#include "units/Units.h"

THeadlessSelectionView::THeadlessSelectionView() {
    for (TSelectionEntry entry : SelectionEntries)
        Entries[entry] = {};
    for (int line = 0; line < ResultLineCount; ++line)
        Lines[static_cast<TResultLine>(line)] = {};
    Lists[TSelectionList::Model] = {};
    Lists[TSelectionList::Oil] = {OilGradeItems(), 0};
    Lists[TSelectionList::OilFlowUnit] = {UnitItems(TSelectionEntry::OilFlow), Ord(TFlow::l_min)};
    Lists[TSelectionList::MaxTempUnit] = {UnitItems(TSelectionEntry::MaxTemp), Ord(TTemp::C)};
    Lists[TSelectionList::AirTempUnit] = {UnitItems(TSelectionEntry::AirTemp), Ord(TTemp::C)};
    Lists[TSelectionList::AltitudeUnit] = {UnitItems(TSelectionEntry::Altitude), Ord(TLength::m)};
    Lists[TSelectionList::HeatDissUnit] = {UnitItems(TSelectionEntry::HeatDiss),
                                           Ord(THeatDissi::kW)};
}

QString THeadlessSelectionView::EntryText(TSelectionEntry entry) const {
    return Entries[entry].Text;
}
void THeadlessSelectionView::SetEntryText(TSelectionEntry entry, const QString& text) {
    Entries[entry].Text = text;
}
void THeadlessSelectionView::SetEntryFontColor(TSelectionEntry entry, TColor color) {
    Entries[entry].FontColor = color;
}
void THeadlessSelectionView::SetEntryColor(TSelectionEntry entry, TColor background) {
    Entries[entry].Background = background;
}
void THeadlessSelectionView::SetEntryFocus(TSelectionEntry entry) {
    Focus = entry;
}
void THeadlessSelectionView::SetEntryEnabled(TSelectionEntry entry, bool enabled) {
    Entries[entry].Enabled = enabled;
}
void THeadlessSelectionView::SetEntryReadOnly(TSelectionEntry entry, bool readOnly) {
    Entries[entry].ReadOnly = readOnly;
}
const THeadlessSelectionView::TEntryState&
THeadlessSelectionView::Entry(TSelectionEntry entry) const {
    return *Entries.find(entry);
}

int THeadlessSelectionView::ListIndex(TSelectionList list) const {
    return Lists[list].Index;
}
void THeadlessSelectionView::SetListIndex(TSelectionList list, int index) {
    // A list picks nothing for a position outside its items, as a drop-down list does.
    TListState& state = Lists[list];
    state.Index = index >= 0 && index < state.Items.size() ? index : -1;
}
QStringList THeadlessSelectionView::ListItems(TSelectionList list) const {
    return Lists[list].Items;
}
void THeadlessSelectionView::SetListItems(TSelectionList list, const QStringList& items) {
    Lists[list] = {items, -1};
}

QString THeadlessSelectionView::GroupCaption(TSelectionGroup group) const {
    return GroupCaptions.value(group);
}
void THeadlessSelectionView::SetGroupCaption(TSelectionGroup group, const QString& caption) {
    GroupCaptions[group] = caption;
}

std::optional<TCoolerType> THeadlessSelectionView::SelectedSeries() const {
    return Series;
}
void THeadlessSelectionView::SetSelectedSeries(TCoolerType series) {
    Series = series;
}

void THeadlessSelectionView::ApplyLanguageTexts() {
    if (OnApplyLanguageTexts)
        OnApplyLanguageTexts();
}

QString THeadlessSelectionView::ResultCaption(TResultLine line) const {
    return Lines[line].Caption;
}
void THeadlessSelectionView::SetResultCaption(TResultLine line, const QString& text) {
    Lines[line].Caption = text;
}
QString THeadlessSelectionView::ResultValue(TResultLine line) const {
    return Lines[line].Value;
}
void THeadlessSelectionView::SetResultValue(TResultLine line, const QString& text) {
    Lines[line].Value = text;
}
void THeadlessSelectionView::SetResultValueColors(TResultLine line, TColor background,
                                                  TColor font) {
    Lines[line].Background = background;
    Lines[line].FontColor = font;
}
void THeadlessSelectionView::SetResultLineVisible(TResultLine line, bool visible) {
    Lines[line].Visible = visible;
}
const THeadlessSelectionView::TResultLineState&
THeadlessSelectionView::Line(TResultLine line) const {
    return *Lines.find(line);
}
