// orvelia-cli: the results of the program without its windows, for scripts.

#include <algorithm>

#include <QDir>
#include <QFileInfo>

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/terminal.h"
#include "core/archive/dates.h"
#include "core/archive/paths.h"
#include "core/system/system.h"

using namespace orvelia;
using namespace orvelia::cli;

namespace {

const QString kWriteFailed =
    QStringLiteral("Attenzione: non è stato possibile scrivere il risultato sullo standard output.");
const QString kSeeHelp = QStringLiteral("Usare \"orvelia-cli --help\" per l'elenco dei comandi.");

QString helpText() {
    QString text = QStringLiteral(
        "orvelia-cli: i riepiloghi, le ricerche, le esportazioni e i controlli di Orvelia senza finestre.\n"
        "\n"
        "Uso: orvelia-cli [--cartella DIR] [--oggi GG/MM/AAAA] COMANDO ...\n"
        "\n"
        "Comandi:\n");
    for (const CommandSpec& spec : commands()) {
        text +=
            (QStringLiteral("  %1 %2").arg(QString::fromLatin1(spec.name), QString::fromUtf8(spec.arguments)))
                .trimmed()
                .prepend(QStringLiteral("  ")) +
            u'\n';
        text += QStringLiteral("      %1\n").arg(QString::fromUtf8(spec.description));
    }
    text += QStringLiteral(
        "\n"
        "Opzioni generali:\n"
        "  --cartella DIR     la cartella del programma con gli archivi (predefinita: quella di "
        "orvelia-cli)\n"
        "  --oggi GG/MM/AAAA  la data da considerare come odierna (predefinita: la data di sistema)\n"
        "  --help             questo testo\n"
        "\n"
        "Le opzioni accettano anche la forma --opzione=VALORE. I testi di ricerca valgono come nelle\n"
        "finestre: maiuscole e minuscole non contano, gli spazi digitati sì.\n"
        "Un archivio mancante viene creato vuoto, come fa il programma (tranne che da verifica).\n"
        "\n"
        "Il risultato è scritto in UTF-8 sullo standard output, i messaggi sullo standard error.\n"
        "Codici di uscita:\n"
        "  0  operazione eseguita\n"
        "  1  eseguita con anomalie: numero non valido, schede danneggiate o non valutabili\n"
        "  2  richiesta rifiutata: argomenti o criteri non accettati\n"
        "  3  archivio o file non accessibile: risultato mancante o parziale\n");
    return text;
}

// Splits "--name=value" or "--name value"; false when the value is missing.
bool takeOption(const QStringList& args, qsizetype& i, QString* name, QString* value) {
    const QString arg = args.at(i);
    const qsizetype equals = arg.indexOf(u'=');
    if (equals > 2) {
        *name = arg.mid(2, equals - 2);
        *value = arg.mid(equals + 1);
        return true;
    }
    *name = arg.mid(2);
    if (i + 1 >= args.size())
        return false;
    *value = args.at(++i);
    return true;
}

int refuse(Console& console, const QString& text) {
    console.message(text + u'\n' + kSeeHelp);
    return kRefused;
}

int run(const QStringList& args) {
    Console console;
    Invocation call;
    call.folder = programFolder();
    call.today = QDate::currentDate();
    const CommandSpec* spec = nullptr;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h") || arg == QLatin1String("aiuto")) {
            console.lines(helpText().chopped(1).split(u'\n'));
            return console.finish() ? kDone : kNoResult;
        }
        if (spec && std::any_of(spec->flags.begin(), spec->flags.end(), [&](const char* flag) {
                return arg == QLatin1String("--") + QLatin1String(flag);
            })) {
            call.options[arg.mid(2)] = QString();
            continue;
        }
        if (arg.startsWith(QLatin1String("--")) && arg.size() > 2) {
            QString name;
            QString value;
            if (!takeOption(args, i, &name, &value))
                return refuse(console,
                              QStringLiteral("Attenzione: manca il valore dell'opzione --%1.").arg(name));
            if (name == QLatin1String("cartella")) {
                call.folder = value;
            } else if (name == QLatin1String("oggi")) {
                const auto date = parseDate(value, QDate::currentDate().year());
                if (!date)
                    return refuse(console, QStringLiteral("Attenzione: la data %1 non esiste.").arg(value));
                call.today = *date;
            } else if (spec && std::any_of(spec->options.begin(), spec->options.end(),
                                           [&](const char* o) { return name == QLatin1String(o); })) {
                call.options[name] = value;
            } else {
                return refuse(console,
                              spec ? QStringLiteral("Attenzione: il comando %1 non prevede l'opzione --%2.")
                                         .arg(call.command, name)
                                   : QStringLiteral("Attenzione: l'opzione --%1 non esiste.").arg(name));
            }
            continue;
        }
        if (!spec) {
            spec = findCommand(arg);
            if (!spec)
                return refuse(console, QStringLiteral("Attenzione: il comando \"%1\" non esiste.").arg(arg));
            call.command = arg;
            continue;
        }
        call.arguments << arg;
    }
    if (!spec)
        return refuse(console, QStringLiteral("Attenzione: indicare un comando."));
    if (call.arguments.size() != spec->argumentCount) {
        const QString usage =
            QStringLiteral("orvelia-cli %1 %2").arg(call.command, QString::fromUtf8(spec->arguments));
        return refuse(console, QStringLiteral("Attenzione: argomenti errati per il comando %1.\nUso: %2")
                                   .arg(call.command, usage.simplified()));
    }
    const QFileInfo folder(call.folder);
    if (!folder.isDir()) {
        console.message(QStringLiteral("Attenzione: la cartella %1 non esiste.")
                            .arg(QDir::toNativeSeparators(call.folder)));
        return kRefused;
    }
    call.folder = folder.absoluteFilePath();
    showScanProgress();
    const int code = spec->run(call, console);
    if (!console.finish()) {
        console.message(kWriteFailed);
        return kNoResult;
    }
    return code;
}

} // namespace

int main(int argc, char* argv[]) {
    // No application object: a command starts in a few milliseconds. The program folder
    // defaults to the folder of the executable, as for the program.
    sys::prepareProcess();
    setProgramFolder(sys::executableFolder(argv[0]));
    return run(terminal::arguments(argc, argv));
}
