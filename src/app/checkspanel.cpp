#include "app/checkspanel.h"

#include "doc/document.h"
#include "widgets/conversions.h"
#include "widgets/findingmark.h"

#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <iterator>

namespace menuloom::app {

using widgets::fromModel;

ChecksPanel::ChecksPanel(const Document& document, QWidget* parent)
    : QWidget(parent), document_(document) {
    setObjectName(QStringLiteral("pnlChecks"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    pages_ = new QStackedWidget(this);
    lblClean_ =
        new QLabel(QStringLiteral("Nothing to report: the menu passes every check."), pages_);
    lblClean_->setObjectName(QStringLiteral("lblChecksClean"));
    lblClean_->setAlignment(Qt::AlignCenter);
    lblClean_->setWordWrap(true);
    list_ = new QListWidget(pages_);
    list_->setObjectName(QStringLiteral("lbChecks"));
    list_->setAccessibleName(QStringLiteral("Checks"));
    list_->setWordWrap(true);
    list_->setTextElideMode(Qt::ElideNone);
    list_->setIconSize(QSize(14, 14));
    list_->setSpacing(1);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    pages_->addWidget(lblClean_);
    pages_->addWidget(list_);
    layout->addWidget(pages_);

    timer_.setSingleShot(true);
    timer_.setInterval(kDelay);
    connect(&timer_, &QTimer::timeout, this, &ChecksPanel::refresh);
    auto later = [this] { timer_.start(); };
    connect(&document_, &Document::changed, this, later);
    connect(&document_, &Document::projectReset, this, [this, later] {
        drawn_.clear();
        later();
    });
    connect(list_, &QListWidget::itemActivated, this, &ChecksPanel::rowActivated);
    // A row selected without becoming the current one was selected by assistive technology (its
    // row's action), which stands for activating it; the mouse and the keys move both, and the
    // look happens once they have.
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        QTimer::singleShot(0, this, [this] {
            const QList<QListWidgetItem*> selected = list_->selectedItems();
            if (selected.size() == 1 && selected.front() != list_->currentItem())
                rowActivated(selected.front());
        });
    });
    refresh();
}

QString ChecksPanel::placeLabel(const check::Place& place) const {
    const model::Project& project = document_.project();
    switch (place.kind) {
    case check::Place::Kind::Item: {
        QStringList names;
        const model::ItemNode* node = project.items.root();
        for (int row : place.item) {
            if (row < 0 || row >= node->childCount())
                break;
            node = node->child(row);
            const QString text = fromModel(node->props().caption).trimmed();
            names << (text.isEmpty() ? QStringLiteral("(no text)") : text);
        }
        return QStringLiteral("Item ") + names.join(QStringLiteral(" \u203A "));
    }
    case check::Place::Kind::Param:
        return QStringLiteral("Property ") + fromModel(place.param);
    case check::Place::Kind::ItemStyle:
        return project.itemStyles.valid(place.index)
                   ? QStringLiteral("Item style \u201C%1\u201D")
                         .arg(fromModel(project.itemStyles.nameAt(place.index)))
                   : QString();
    case check::Place::Kind::SmStyle:
        return project.smStyles.valid(place.index)
                   ? QStringLiteral("Submenu style \u201C%1\u201D")
                         .arg(fromModel(project.smStyles.nameAt(place.index)))
                   : QString();
    }
    return {};
}

void ChecksPanel::refresh() {
    timer_.stop();
    const model::Project& project = document_.project();
    check::Options options;
    options.baseFolder = project.workingFolder;
    findings_ = check::checkProject(project, options);
    std::vector<check::Finding> small = check::checkTargetSizes(project, drawn_, pageWidth_);
    std::move(small.begin(), small.end(), std::back_inserter(findings_));

    static const QIcon errorMark = widgets::findingMark(check::Severity::Error);
    static const QIcon warningMark = widgets::findingMark(check::Severity::Warning);
    list_->setUpdatesEnabled(false);
    list_->clear();
    const int shown = std::min<int>(static_cast<int>(findings_.size()), kMaxRows);
    for (int i = 0; i < shown; ++i) {
        const check::Finding& f = findings_[static_cast<std::size_t>(i)];
        const bool error = f.severity == check::Severity::Error;
        const QString place = placeLabel(f.place);
        const QString message = fromModel(f.message);
        // The row is named by its text, which begins with its severity.
        auto* row =
            new QListWidgetItem(error ? errorMark : warningMark,
                                (error ? QStringLiteral("Error: ") : QStringLiteral("Warning: ")) +
                                    place + QStringLiteral(": ") + message);
        row->setData(Qt::UserRole, i);
        row->setToolTip(QStringLiteral("%1 (%2). Double-click or press Enter to go there.")
                            .arg(error ? QStringLiteral("Error") : QStringLiteral("Warning"),
                                 QString::fromLatin1(check::ruleName(f.rule))));
        list_->addItem(row);
    }
    if (shown < static_cast<int>(findings_.size())) {
        auto* more = new QListWidgetItem(
            QStringLiteral("%1 more not listed; menuloom-cli lint lists them all.")
                .arg(findings_.size() - static_cast<std::size_t>(shown)));
        more->setFlags(Qt::ItemIsEnabled);
        list_->addItem(more);
    }
    list_->setUpdatesEnabled(true);
    pages_->setCurrentWidget(findings_.empty() ? static_cast<QWidget*>(lblClean_) : list_);
    emit countChanged(static_cast<int>(findings_.size()));
}

void ChecksPanel::setDrawnItems(std::vector<check::DrawnItem> items, int pageWidth) {
    drawn_ = std::move(items);
    pageWidth_ = pageWidth;
    refresh();
}

void ChecksPanel::rowActivated(QListWidgetItem* row) {
    const QVariant index = row ? row->data(Qt::UserRole) : QVariant();
    if (!index.isValid())
        return;
    const int i = index.toInt();
    if (i >= 0 && i < static_cast<int>(findings_.size()))
        emit placeActivated(findings_[static_cast<std::size_t>(i)].place);
}

} // namespace menuloom::app
