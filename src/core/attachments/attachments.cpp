#include "core/attachments/attachments.h"

#include <algorithm>
#include <vector>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/archive/cp1252.h"
#include "core/archive/text.h"
#include "core/system/system.h"

namespace orvelia {

QString attachmentFolder(const QString& programFolder) {
    return QDir(programFolder).filePath(kAttachmentFolderName);
}

bool isPlainFileName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name)
        if (c == u'/' || c == u'\\' || c == u':' || c.unicode() == 0)
            return false;
    return true;
}

QString attachmentPath(const QString& programFolder, const QString& name) {
    return QDir(attachmentFolder(programFolder)).filePath(name);
}

namespace {

// The name cut to kMaxAttachmentNameBytes characters (one byte each in Windows-1252), keeping the
// extension and adding @p suffix before it.
QString fitted(const QString& name, const QString& suffix) {
    const qsizetype dot = name.lastIndexOf(u'.');
    const bool hasExtension = dot > 0 && name.size() - dot <= 16;
    const QString extension = hasExtension ? name.mid(dot) : QString();
    QString base = hasExtension ? name.left(dot) : name;
    base.truncate(std::max<qsizetype>(1, kMaxAttachmentNameBytes - extension.size() - suffix.size()));
    return trimText(base + suffix) + extension;
}

} // namespace

QString storedAttachmentName(const QString& chosenName, const QString& folder) {
    QString name;
    name.reserve(chosenName.size());
    for (const QChar c : chosenName) {
        const bool held = cp1252::decode(cp1252::encode(QString(c))) == QString(c);
        name += held ? c : u'_';
    }
    name = trimText(name);
    if (name.isEmpty())
        name = QStringLiteral("_");
    name = fitted(name, QString());
    if (name == chosenName)
        return name;
    const QString changed = name;
    const QDir stored(folder);
    for (int n = 2; stored.exists(name); ++n)
        name = fitted(changed, QStringLiteral(" (%1)").arg(n));
    return name;
}

AttachmentError ensureAttachmentFolder(const QString& programFolder) {
    const QString folder = attachmentFolder(programFolder);
    if (QFileInfo(folder).isDir())
        return AttachmentError::None;
    // mkpath reports success for an existing folder only; a file of that name makes it fail.
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        return AttachmentError::Folder;
    return AttachmentError::None;
}

AttachmentError copyReplacing(QIODevice& source, const QString& destination) {
    // Never write straight into the destination: the old file must survive a failed copy, and
    // the new one is there only once it is whole on the disk.
    bool unreadable = false;
    const bool copied = sys::replaceFile(destination, [&](sys::NativeFile& fresh) {
        std::vector<char> buffer(64 * 1024);
        for (qint64 at = 0;;) {
            const qint64 got = source.read(buffer.data(), qint64(buffer.size()));
            if (got < 0) {
                unreadable = true;
                return false;
            }
            if (got == 0)
                return true;
            if (!fresh.writeAt(buffer.data(), got, at))
                return false;
            at += got;
        }
    });
    if (copied)
        return AttachmentError::None;
    return unreadable ? AttachmentError::Source : AttachmentError::Write;
}

AttachmentError copyFileReplacing(const QString& sourcePath, const QString& destination) {
    const QFileInfo info(sourcePath);
    if (!info.isFile())
        return AttachmentError::Source;
    // The chosen file may already be the stored one: it holds the right bytes as it is.
    const QFileInfo target(destination);
    if (target.exists() && info.canonicalFilePath() == target.canonicalFilePath())
        return AttachmentError::None;
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return AttachmentError::Source;
    return copyReplacing(source, destination);
}

} // namespace orvelia
