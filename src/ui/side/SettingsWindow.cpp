#include "SettingsWindow.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace MainBas {

namespace {

constexpr int ClientWidth = 7200;
constexpr int ClientHeight = 4800;
constexpr std::array<int, 6> DieSizes = {4, 6, 8, 10, 12, 20};

// What changes when the edition is chosen, in the order of Editions.
constexpr std::array<const char *, Editions.size()> EditionNotes = {
    "The program's own step table and fumble rule, as always.",
    "As the 1st edition, but step 14 rolls two D12.",
    "No D4 or D20, a D12 more every seven steps; every die showing 1 fails (Rule of One).",
    "Step 10 is 2D8, the first D20 at step 19; two or more dice showing 1 fail; an extra "
    "success for every 5 over the target number.",
};

QString nameOf(Edition edition)
{
    const std::string_view name = EditionName(edition);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

SettingsWindow::SettingsWindow()
    : LaidOutWindow(QStringLiteral("SettingsWindow"), QStringLiteral("Settings"), ClientWidth,
                    ClientHeight)
{
    lstEdition = Named(new QListWidget, "lstEdition", "Edition");
    for (const Edition edition : Editions)
        lstEdition->addItem(nameOf(edition));
    lblEditionNote = Named(new QLabel, "lblEditionNote", "What the edition changes");
    lblEditionNote->setWordWrap(true);
    auto *editionLabel = new QLabel(QStringLiteral("&Edition:"));
    editionLabel->setBuddy(lstEdition);
    cboKarmaDie = dieChoice("cboKarmaDie", "Karma die");
    cboDevotionDie = dieChoice("cboDevotionDie", "Devotion die");
    cmdClose = Named(new QPushButton(QStringLiteral("Close")), "cmdClose", "Close");
    cmdClose->setAutoDefault(false);

    auto *dice = new QFormLayout;
    dice->addRow(QStringLiteral("&Karma die:"), cboKarmaDie);
    dice->addRow(QStringLiteral("&Devotion die:"), cboDevotionDie);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(editionLabel);
    layout->addWidget(lstEdition, 1);
    layout->addWidget(lblEditionNote);
    layout->addLayout(dice);
    layout->addWidget(cmdClose, 0, Qt::AlignRight);
    connect(cboKarmaDie, &QComboBox::activated, this, [this](int index) {
        emit karmaDieChosen(DieSizes.at(static_cast<std::size_t>(index)));
    });
    connect(cboDevotionDie, &QComboBox::activated, this, [this](int index) {
        emit devotionDieChosen(DieSizes.at(static_cast<std::size_t>(index)));
    });

    connect(lstEdition, &QListWidget::currentRowChanged, this, &SettingsWindow::editionRowChanged);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    showEdition(Edition::First);
    showExtraDice(6, 4);
    lstEdition->setFocus();
}

QComboBox *SettingsWindow::dieChoice(const char *name, const char *accessible)
{
    auto *box = Named(new QComboBox, name, accessible);
    for (const int size : DieSizes)
        box->addItem(QStringLiteral("D%1").arg(size));
    return box;
}

void SettingsWindow::showExtraDice(int karmaDie, int devotionDie)
{
    const auto indexOf = [](int size) {
        const auto *found = std::find(DieSizes.begin(), DieSizes.end(), size);
        return found == DieSizes.end() ? 0 : static_cast<int>(found - DieSizes.begin());
    };
    cboKarmaDie->setCurrentIndex(indexOf(karmaDie));
    cboDevotionDie->setCurrentIndex(indexOf(devotionDie));
}

void SettingsWindow::showEdition(Edition edition)
{
    const QSignalBlocker quiet(lstEdition);
    const auto row = static_cast<int>(edition);
    lstEdition->setCurrentRow(row);
    lblEditionNote->setText(QLatin1String(EditionNotes.at(static_cast<std::size_t>(row))));
}

void SettingsWindow::editionRowChanged(int row)
{
    if (row < 0 || row >= static_cast<int>(Editions.size()))
        return;
    const Edition edition = Editions.at(static_cast<std::size_t>(row));
    lblEditionNote->setText(QLatin1String(EditionNotes.at(static_cast<std::size_t>(row))));
    emit editionChosen(edition);
}

} // namespace MainBas
