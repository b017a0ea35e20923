// The Roll Sheet's file: New, Open..., Save and Save As..., the sheet last used opened with
// the window, and the question before changes not saved would go. A file that cannot be
// opened leaves the sheet on screen as it was; a failed save leaves the old file whole.
#include "RollSheetWindow.h"

#include "ErrorReporter.h"
#include "NamedRollsModel.h"
#include "Questions.h"
#include "SheetFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QStandardPaths>

namespace MainBas {

namespace {

const QString Title = QStringLiteral("Roll Sheet");
const QString Filter = QStringLiteral("Character sheets (*.json);;All files (*)");

// The user's data folder, where sheets go unless the user picks another.
QString sheetsFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return folder;
}

// "Kethra.json" in the data folder, for a sheet never saved.
QString suggestedPath(const QString &character)
{
    QString name
        = character.trimmed().isEmpty() ? QStringLiteral("Character") : character.trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    return QDir(sheetsFolder()).filePath(name + QStringLiteral(".json"));
}

} // namespace

// A sheet that is gone starts a new one quietly; one that cannot be read says why first.
void RollSheetWindow::openLastSheet()
{
    const QString path = m_session.lastSheet();
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        try {
            useSheet(Sheet::ReadSheetFile(path), path);
            return;
        } catch (const Sheet::SheetFileError &error) {
            ReportError(error.message());
        }
    }
    useSheet({}, {});
}

void RollSheetWindow::newSheet()
{
    if (mayDropChanges())
        useSheet({}, {});
}

void RollSheetWindow::openSheet()
{
    if (!mayDropChanges())
        return;
    const QString folder = m_path.isEmpty() ? sheetsFolder() : QFileInfo(m_path).absolutePath();
    const QString path = AskOpenPath(this, QStringLiteral("Open Character Sheet"), folder, Filter);
    if (path.isEmpty())
        return;
    RunCommand([&] {
        try {
            useSheet(Sheet::ReadSheetFile(path), path);
        } catch (const Sheet::SheetFileError &error) {
            ReportError(error.message());
        }
    });
}

bool RollSheetWindow::save()
{
    return m_path.isEmpty() ? saveAs() : writeTo(m_path);
}

bool RollSheetWindow::saveAs()
{
    const QString suggested = m_path.isEmpty() ? suggestedPath(m_sheet.name) : m_path;
    const QString path
        = AskSavePath(this, QStringLiteral("Save Character Sheet"), suggested, Filter);
    return !path.isEmpty() && writeTo(path);
}

bool RollSheetWindow::writeTo(const QString &path)
{
    bool written = false;
    RunCommand([&] {
        try {
            Sheet::WriteSheetFile(path, m_sheet);
            written = true;
        } catch (const Sheet::SheetFileError &error) {
            ReportError(error.message());
        }
    });
    if (written) {
        m_path = path;
        m_session.keepLastSheet(path);
        setUnsaved(false);
    }
    return written;
}

// Whether the sheet on screen may go: saved, or the user says so.
bool RollSheetWindow::mayDropChanges()
{
    if (!m_unsaved)
        return true;
    const QString question = m_path.isEmpty()
        ? QStringLiteral("Save the changes to this new sheet?")
        : QStringLiteral("Save the changes to %1?").arg(QFileInfo(m_path).fileName());
    switch (AskAboutUnsaved(this, Title, question)) {
    case UnsavedChoice::Save:
        return save();
    case UnsavedChoice::Discard:
        return true;
    case UnsavedChoice::Cancel:
        break;
    }
    return false;
}

void RollSheetWindow::useSheet(Sheet::CharacterSheet sheet, const QString &path)
{
    m_sheet = std::move(sheet);
    m_path = path;
    m_model->reload();
    showCharacter();
    setUnsaved(false);
    if (path != m_session.lastSheet())
        m_session.keepLastSheet(path);
}

void RollSheetWindow::setUnsaved(bool unsaved)
{
    m_unsaved = unsaved;
    const QString name
        = m_path.isEmpty() ? QStringLiteral("New sheet") : QFileInfo(m_path).fileName();
    lblFile->setText(unsaved ? name + QStringLiteral(" (changed)") : name);
    lblFile->setToolTip(QDir::toNativeSeparators(m_path));
}

} // namespace MainBas
