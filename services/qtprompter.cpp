#include "services/qtprompter.h"

#include "services/fontchooserdialog.h"
#include "services/guidedialog.h"
#include "services/helppages.h"
#include "services/shellopener.h"
#include "services/textfields.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFontInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace brainlark
{

namespace
{

QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::Exclamation:
        return QMessageBox::Warning;
    case Prompter::Icon::Stop:
        return QMessageBox::Critical;
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    case Prompter::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(Prompter::Buttons buttons)
{
    switch (buttons) {
    case Prompter::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompter::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Prompter::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Prompter::Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

int resultOf(int button)
{
    switch (button) {
    case QMessageBox::Ok:
        return Prompter::Ok;
    case QMessageBox::Yes:
        return Prompter::Yes;
    case QMessageBox::No:
        return Prompter::No;
    default:
        return Prompter::Cancel;
    }
}

} // namespace

QtPrompter::QtPrompter(ShellOpener& shell) : m_shell(shell) {}

QString QtPrompter::helpUrl(int helpContext) const
{
    return HelpPages::url(m_programFolder, helpContext);
}

int QtPrompter::message(const QString& text, Icon icon, Buttons buttons)
{
    QMessageBox box(boxIcon(icon), QStringLiteral("Brainlark"), text, boxButtons(buttons), m_parent);
    if (buttons == Buttons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    return resultOf(box.exec());
}

Prompter::GuideAnswer QtPrompter::guide(GuideKind kind, const QString& text, int helpContext)
{
    GuideDialog dialog(kind, text, m_parent);
    QObject::connect(&dialog, &GuideDialog::helpRequested, &dialog, [this, helpContext] {
        if (m_openHelp)
            m_openHelp(helpContext);
        else
            m_shell.open(helpUrl(helpContext));
    });
    dialog.exec();
    return dialog.answer();
}

QString QtPrompter::openFileName(const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(m_parent, title, folder, qtFilter(filter));
}

QString QtPrompter::saveFileName(const QString& title, const QString& startPath, const QString& filter,
                                 const QString& defaultSuffix)
{
    QFileDialog dialog(m_parent, title, startPath, qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QString suffix = defaultSuffix;
    if (suffix.startsWith('.'))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> QtPrompter::chooseColor(const QColor& initial, const QString& title)
{
    const QColor color = QColorDialog::getColor(initial, m_parent, title);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

std::optional<QFont> QtPrompter::chooseFont(const QFont& initial, const QString& title, unsigned filters)
{
    const int size = initial.pixelSize() > 0 ? initial.pixelSize() : QFontInfo(initial).pixelSize();
    FontChooserDialog dialog(initial.family(), size, title, filters, m_parent);
    if (dialog.exec() != QDialog::Accepted || dialog.face().isEmpty())
        return std::nullopt;
    QFont font(dialog.face());
    font.setPixelSize(dialog.pixelSize());
    return font;
}

std::optional<QString> QtPrompter::askPassword()
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(QCoreApplication::translate("brainlark::QtPrompter", "Enter Password"));
    // The label has a buddy, so "&&" shows one ampersand.
    dialog.setLabelText(QCoreApplication::translate("brainlark::QtPrompter",
                                                    "Please enter the password for this Q&&A-list:"));
    dialog.setInputMode(QInputDialog::TextInput);
    TextFields::acceptAnyLength(dialog.findChild<QLineEdit*>());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

QString QtPrompter::qtFilter(const QString& filter)
{
    if (!filter.contains('|'))
        return filter;
    // Classic filters alternate a description and its patterns; Qt takes the patterns from the
    // description's parentheses, so the descriptions are enough when they carry them.
    const QStringList parts = filter.split('|', Qt::SkipEmptyParts);
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(';', ' ').replace("*.*", "*");
        const int open = description.indexOf('(');
        if (open >= 0)
            description.truncate(open);
        entries.append(description.trimmed() + " (" + patterns + ")");
    }
    return entries.join(";;");
}

} // namespace brainlark
