#include "core/backup/manifest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "core/access/password.h"
#include "core/archive/paths.h"
#include "core/attachments/attachments.h"

namespace orvelia::backup {

namespace {

struct KindName {
    Entry::Kind kind;
    const char* text;
};
constexpr KindName kKindNames[] = {
    {Entry::Kind::Employees, "lavoratori"},
    {Entry::Kind::Works, "lavori"},
    {Entry::Kind::Password, "password"},
    {Entry::Kind::Document, "documento"},
};

QString kindText(Entry::Kind kind) {
    for (const KindName& k : kKindNames)
        if (k.kind == kind)
            return QString::fromLatin1(k.text);
    return {};
}

std::optional<Entry::Kind> kindOfText(const QString& text) {
    for (const KindName& k : kKindNames)
        if (text == QLatin1String(k.text))
            return k.kind;
    return std::nullopt;
}

bool isDigest(const QString& text) {
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{64}$"));
    return hex.match(text).hasMatch();
}

} // namespace

qint64 Manifest::records() const {
    qint64 n = 0;
    for (const Entry& e : entries)
        n += e.records;
    return n;
}

int Manifest::documents() const {
    return int(std::count_if(entries.begin(), entries.end(),
                             [](const Entry& e) { return e.kind == Entry::Kind::Document; }));
}

int Manifest::archives() const {
    return int(std::count_if(entries.begin(), entries.end(), [](const Entry& e) { return e.isArchive(); }));
}

QByteArray Manifest::toJson() const {
    QJsonArray files;
    for (const Entry& e : entries) {
        QJsonObject file{{QStringLiteral("nome"), e.name},
                         {QStringLiteral("tipo"), kindText(e.kind)},
                         {QStringLiteral("byte"), double(e.size)},
                         {QStringLiteral("sha256"), e.sha256}};
        if (e.isArchive()) {
            file.insert(QStringLiteral("schede"), double(e.records));
            file.insert(QStringLiteral("coda_incompleta"), double(e.tornTail));
        }
        files.append(file);
    }
    const QJsonObject root{{QStringLiteral("programma"), kProgramName},
                           {QStringLiteral("versione"), version},
                           {QStringLiteral("creata"), made.toString(Qt::ISODate)},
                           {QStringLiteral("file"), files}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<Manifest> Manifest::fromJson(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("programma")).toString() != kProgramName ||
        !root.value(QStringLiteral("file")).isArray())
        return std::nullopt;
    Manifest manifest;
    manifest.version = root.value(QStringLiteral("versione")).toString();
    manifest.made = QDateTime::fromString(root.value(QStringLiteral("creata")).toString(), Qt::ISODate);
    for (const QJsonValue& value : root.value(QStringLiteral("file")).toArray()) {
        const QJsonObject file = value.toObject();
        Entry e;
        e.name = file.value(QStringLiteral("nome")).toString();
        const auto kind = kindOfText(file.value(QStringLiteral("tipo")).toString());
        const double size = file.value(QStringLiteral("byte")).toDouble(-1);
        e.sha256 = file.value(QStringLiteral("sha256")).toString();
        if (!kind || kindOfName(e.name) != kind || size < 0 || size != double(qint64(size)) ||
            !isDigest(e.sha256))
            return std::nullopt;
        e.kind = *kind;
        e.size = qint64(size);
        if (e.isArchive()) {
            const double records = file.value(QStringLiteral("schede")).toDouble(-1);
            const double tail = file.value(QStringLiteral("coda_incompleta")).toDouble(-1);
            if (records < 0 || tail < 0)
                return std::nullopt;
            e.records = qint64(records);
            e.tornTail = qint64(tail);
        }
        manifest.entries.append(e);
    }
    return manifest;
}

std::optional<Entry::Kind> kindOfName(const QString& name) {
    static const QRegularExpression year(QStringLiteral("^[0-9]{4}\\.lav$"));
    if (name == kEmployeeArchiveName)
        return Entry::Kind::Employees;
    if (year.match(name).hasMatch())
        return Entry::Kind::Works;
    if (name == kPasswordStoreName)
        return Entry::Kind::Password;
    const QString folder = kAttachmentFolderName + QLatin1Char('/');
    if (name.startsWith(folder) && isPlainFileName(name.mid(folder.size())))
        return Entry::Kind::Document;
    return std::nullopt;
}

} // namespace orvelia::backup
