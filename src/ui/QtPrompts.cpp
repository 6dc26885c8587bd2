#include "QtPrompts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>
#include <QUrl>

namespace qv::ui {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::StandardButtons ButtonsOf(Notices::Buttons buttons) {
    if (buttons == Notices::Buttons::YesNoCancel)
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    return QMessageBox::Yes | QMessageBox::No;
}

Notices::Answer AnswerOf(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return Notices::Answer::Yes;
    case QMessageBox::No:
        return Notices::Answer::No;
    default:
        return Notices::Answer::Cancel;
    }
}

Notices::Answer Ask(QWidget* parent, QMessageBox::Icon icon, std::string_view text,
                    Notices::Buttons buttons) {
    QMessageBox box(icon, QApplication::applicationDisplayName(), Q(text), ButtonsOf(buttons), parent);
    box.setDefaultButton(QMessageBox::Yes);
    return AnswerOf(box.exec());
}

// A name typed without an extension gets the default one, as the Windows dialogs did.
std::string WithSuffix(const QString& chosen, const std::string& suffix) {
    QString name = chosen;
    if (!suffix.empty() && QFileInfo(name).suffix().isEmpty() && !QFileInfo(name).exists())
        name += "." + Q(suffix);
    return name.toStdString();
}

QString StartPath(const Prompts::FileDialog& dialog) {
    if (dialog.FileName.empty())
        return Q(dialog.Folder);
    const QFileInfo name(Q(dialog.FileName));
    if (name.isAbsolute())
        return name.filePath();
    return QDir(Q(dialog.Folder)).filePath(name.filePath());
}

} // namespace

QString QtFileFilter(std::string_view filter) {
    // "Description|pattern|Description|pattern": Qt wants "Description (pattern)" entries, and the
    // descriptions here already carry their patterns.
    const QStringList parts = Q(filter).split('|');
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        entries << parts[i];
    return entries.join(";;");
}

void QtPrompts::Beep() {
    QApplication::beep();
}

void QtPrompts::Error(std::string_view text) {
    QMessageBox::critical(parent_, QApplication::applicationDisplayName(), Q(text));
}

void QtPrompts::Information(std::string_view text) {
    QMessageBox::information(parent_, QApplication::applicationDisplayName(), Q(text));
}

Notices::Answer QtPrompts::Question(std::string_view text, Buttons buttons) {
    return Ask(parent_, QMessageBox::Question, text, buttons);
}

Notices::Answer QtPrompts::Warning(std::string_view text, Buttons buttons) {
    return Ask(parent_, QMessageBox::Warning, text, buttons);
}

std::optional<std::string> QtPrompts::OpenFileName(const FileDialog& dialog) {
    QFileDialog box(parent_, QString(), StartPath(dialog), QtFileFilter(dialog.Filter));
    box.setAcceptMode(QFileDialog::AcceptOpen);
    // A name that does not exist yet opens a blank return under that name.
    box.setFileMode(QFileDialog::AnyFile);
    box.setDefaultSuffix(Q(dialog.DefaultSuffix));
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return std::nullopt;
    return WithSuffix(box.selectedFiles().front(), dialog.DefaultSuffix);
}

std::optional<std::string> QtPrompts::SaveFileName(const FileDialog& dialog) {
    QFileDialog box(parent_, QString(), StartPath(dialog), QtFileFilter(dialog.Filter));
    box.setAcceptMode(QFileDialog::AcceptSave);
    // Save As asks about an existing file itself.
    box.setOption(QFileDialog::DontConfirmOverwrite);
    box.setDefaultSuffix(Q(dialog.DefaultSuffix));
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return std::nullopt;
    return WithSuffix(box.selectedFiles().front(), dialog.DefaultSuffix);
}

void QtPrompts::OpenUrl(std::string_view url) {
    const QString text = Q(url);
    const QUrl target = QFileInfo(text).isAbsolute() ? QUrl::fromLocalFile(text) : QUrl(text);
    QDesktopServices::openUrl(target);
}

} // namespace qv::ui
