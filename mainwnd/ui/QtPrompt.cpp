#include "QtPrompt.h"

#include "MessageBoxDialog.h"

#include "services/KWQtText.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

// "C files|*.c;*.h<tab>All|*" -> "C files (*.c *.h);;All (*)".
QString QtFilter(const CKWStr& filter) {
    QStringList entries;
    for (const QString& entry : ToQString(filter).split(u'\t', Qt::SkipEmptyParts)) {
        const qsizetype bar = entry.indexOf(u'|');
        if (bar < 0)
            continue;
        entries << entry.left(bar) + QStringLiteral(" (") + entry.mid(bar + 1).replace(u';', u' ') + u')';
    }
    return entries.join(QStringLiteral(";;"));
}

QWidget* Owner() { return QApplication::activeWindow(); }

} // namespace

std::optional<KWMessageBoxAnswer> CKWQtPrompt::AskMessageBox(const KWMessageBoxRequest& request) {
    if (request.plain) {
        QMessageBox::information(Owner(),
                                 request.caption.IsEmpty() ? QStringLiteral("Kilnworks Studio")
                                                           : ToQString(request.caption),
                                 ToQString(request.message), QMessageBox::Ok);
        return KWMessageBoxAnswer{0, {}};
    }
    CMessageBoxDialog dialog(request, Owner());
    dialog.exec();
    return dialog.Answer();
}

std::vector<CKWStr> CKWQtPrompt::AskFiles(const KWFileRequest& request) {
    const QString start = request.defaultFile.IsEmpty()
                              ? ToQString(request.folder)
                              : ToQString(request.folder) + u'/' + ToQString(request.defaultFile);
    QStringList files;
    if (request.save)
        files << QFileDialog::getSaveFileName(Owner(), ToQString(request.caption), start,
                                              QtFilter(request.filter));
    else if (request.multiSelect)
        files = QFileDialog::getOpenFileNames(Owner(), ToQString(request.caption), start,
                                              QtFilter(request.filter));
    else
        files << QFileDialog::getOpenFileName(Owner(), ToQString(request.caption), start,
                                              QtFilter(request.filter));
    std::vector<CKWStr> chosen;
    for (const QString& file : files)
        if (!file.isEmpty())
            chosen.push_back(ToKWStr(file));
    return chosen;
}

CKWStr CKWQtPrompt::AskFolder(const CKWStr& caption, const CKWStr& folder) {
    return ToKWStr(QFileDialog::getExistingDirectory(Owner(), ToQString(caption), ToQString(folder)));
}
