#include "core/help/helppages.h"

namespace orvelia {

namespace {

// The summary and the statistics have pages of their own, and the reports
// page tells about both: the shared paragraphs are written once.
const QString kSummaryObtain = QStringLiteral(
    "Per ottenere il riepilogo dei compensi si preme il pulsante Apri sotto la voce \"Riepilogo compensi\". "
    "Nella finestra che si apre si può indicare il codice fiscale di un lavoratore e si inseriscono la data "
    "di inizio e la data di fine del periodo desiderato, entrambe nello stesso anno solare. Se il codice "
    "fiscale non viene indicato, il riepilogo comprende tutti i lavoratori.");

const QString kSummaryLists = QStringLiteral(
    "Il riepilogo elenca, per ogni lavoro registrato nel periodo, l'attività svolta, la data, il cognome e "
    "il nome del lavoratore, il codice fiscale, il telefono preferenziale e il totale giornaliero dovuto; "
    "in fondo all'elenco è riportato il totale dei compensi. Con il pulsante Stampa riepilogo l'elenco può "
    "essere stampato e consegnato al lavoratore o conservato insieme ai documenti contabili.");

const QStringList kStatisticsParagraphs{
    QStringLiteral(
        "L'applicazione Statistiche rimunerazioni mensili consente di visualizzare e stampare grafici "
        "statistici delle retribuzioni mensili pagate ai lavoratori, sotto forma di grafico a torta "
        "o di grafico a barre tridimensionali. I totali di ogni mese sono calcolati a partire dal "
        "registro dei lavori e sono arrotondati all'euro."),
    QStringLiteral(
        "Per visualizzare il grafico si indica l'anno solare desiderato e si preme il pulsante Apri: "
        "il programma somma i totali giornalieri di tutti i lavori registrati in ciascun mese "
        "dell'anno scelto."),
    QStringLiteral("Il grafico a barre mostra dodici barre, una per ogni mese da gennaio a dicembre, la cui "
                   "altezza è proporzionale alla spesa del mese. Un apposito pulsante mostra il grafico a "
                   "torta, che mette in evidenza il peso di ciascun mese sul totale dell'anno, e un altro "
                   "riporta al grafico a barre."),
    QStringLiteral(
        "Il pulsante Stampa grafico stampa il grafico visualizzato insieme agli importi dei dodici "
        "mesi. Prima della stampa il programma chiede conferma e permette di scegliere la "
        "stampante e il numero di copie."),
};

const QStringList kOverview{
    QStringLiteral(
        "Orvelia è un software studiato per registrare le prestazioni lavorative giornaliere e calcolare "
        "velocemente la retribuzione dei lavoratori pagati a ore, in base alle ore effettivamente lavorate. "
        "In un unico programma trovano posto l'anagrafica dei lavoratori, il registro dei lavori di ogni "
        "anno "
        "e i riepiloghi dei compensi."),
    QStringLiteral(
        "Oltre alla registrazione quotidiana dei lavori, Orvelia consente di ottenere in pochi istanti il "
        "riepilogo dei compensi dovuti ai lavoratori in qualunque intervallo di tempo dell'anno solare e di "
        "visualizzare i grafici delle retribuzioni mensili, utili per tenere sotto controllo le uscite "
        "dell'azienda."),
    QStringLiteral(
        "Il menu principale dà accesso alle tre applicazioni del programma: Anagrafica lavoratori, "
        "Registrazione lavori e Riepilogo compensi. Ogni finestra principale dispone del pulsante Guida, "
        "che apre la pagina della guida dedicata a quella parte del programma."),
    QStringLiteral(
        "L'applicazione Registrazione lavori è un registro elettronico, uno per ogni anno, in cui annotare "
        "giorno per giorno le prestazioni lavorative: la data del lavoro, l'orario di inizio e di fine del "
        "turno, il totale delle ore, la paga oraria, l'attività svolta, i materiali impiegati, eventuali "
        "note "
        "e i dati del lavoratore che ha eseguito il lavoro."),
    QStringLiteral("Per ogni prestazione il programma calcola automaticamente il totale giornaliero, "
                   "moltiplicando le ore "
                   "lavorate per la paga oraria. Perché i riepiloghi siano completi è importante compilare "
                   "una scheda per "
                   "ogni lavoro eseguito."),
    QStringLiteral(
        "Per aggiungere una scheda si sceglie l'anno, si preme Nuovo, si compilano i campi e si preme Salva. "
        "I campi obbligatori sono la data, il cognome e il nome del lavoratore, il codice fiscale, le ore "
        "lavorate, la paga oraria e l'attività svolta."),
    QStringLiteral(
        "I dati del lavoratore non vanno digitati ogni volta: il pulsante accanto al nome apre la ricerca "
        "nell'archivio dei lavoratori e, scelto il lavoratore, ne importa nella scheda il cognome, il nome, "
        "il codice fiscale, il telefono preferenziale, la mansione e la categoria. Con il pulsante Allegati "
        "si possono inoltre collegare alla scheda documenti di "
        "ogni genere."),
    QStringLiteral(
        "Il pulsante Duplica crea una nuova scheda che riprende i dati di quella visualizzata: è il modo più "
        "rapido per registrare più turni nella stessa giornata, una pausa che interrompe l'orario di lavoro "
        "oppure lo stesso lavoro svolto in altri giorni."),
    QStringLiteral(
        "Con il pulsante Trova si cercano le schede del registro impostando uno o più filtri; un doppio clic "
        "su una scheda trovata la carica nella finestra. Le frecce di scorrimento portano alla prima, alla "
        "precedente, alla successiva e all'ultima scheda del registro."),
    QStringLiteral(
        "Un'apposita casella segnala i lavori non ancora completati, e il pulsante con il triangolo giallo "
        "di avvertimento ne mostra l'elenco: così nessun lavoro rimasto in sospeso viene dimenticato."),
    QStringLiteral(
        "Il registro di ciascun anno può essere esportato in un foglio di lavoro di Microsoft Excel, e ogni "
        "scheda può essere stampata."),
    QStringLiteral(
        "L'applicazione Anagrafica lavoratori custodisce i dati di tutti i lavoratori: dati anagrafici, "
        "codice fiscale, partita IVA, residenza, recapiti telefonici, indirizzo e-mail, giorni e orari di "
        "disponibilità, coordinate bancarie e note."),
    QStringLiteral("Per ogni lavoratore si possono registrare i dati del contratto, con la data di scadenza "
                   "e il periodo "
                   "di preavviso. Il pulsante con il segnale di avvertimento elenca i contratti in scadenza "
                   "e quelli già "
                   "scaduti, e l'elenco può essere stampato."),
    QStringLiteral(
        "A ogni lavoratore si possono allegare fino a tre documenti, per esempio la copia del contratto, un "
        "documento di identità o il curriculum, che si aprono poi con un semplice clic."),
    QStringLiteral(
        "Per inserire un nuovo lavoratore si preme Nuovo, si compilano i campi e si preme Salva; per "
        "aggiornare una scheda basta richiamarla, modificare i dati e salvarla di nuovo."),
    QStringLiteral(
        "Appositi pulsanti verificano la correttezza del codice fiscale, della partita IVA, del numero della "
        "carta di credito e del codice IBAN. Di una partita IVA valida il programma indica anche l'ufficio "
        "provinciale che l'ha rilasciata."),
    QStringLiteral(
        "Il pulsante accanto all'indirizzo e-mail apre il programma di posta elettronica con un nuovo "
        "messaggio già indirizzato al lavoratore."),
    QStringLiteral("La ricerca dei lavoratori accetta chiavi parziali: bastano le prime lettere del cognome "
                   "o di un altro "
                   "dato per ottenere l'elenco dei lavoratori corrispondenti, che può essere stampato."),
    QStringLiteral(
        "L'intero archivio dei lavoratori può essere esportato in Microsoft Excel, e la scheda di ogni "
        "lavoratore può essere stampata."),
    QStringLiteral("L'ambiente di reportistica comprende due applicazioni: Riepilogo compensi e Statistiche "
                   "rimunerazioni mensili."),
    QStringLiteral(
        "Il Riepilogo compensi elenca i lavori registrati in un intervallo di date, per un solo lavoratore, "
        "indicato con il suo codice fiscale, oppure per tutti i lavoratori. Per ogni lavoro riporta "
        "l'attività, la data, il nome del lavoratore, il codice fiscale, il telefono preferenziale e il "
        "totale giornaliero; il riepilogo può essere stampato."),
    QStringLiteral(
        "Le Statistiche rimunerazioni mensili rappresentano i compensi di ciascun mese dell'anno scelto in "
        "un "
        "grafico a barre tridimensionali o in un grafico a torta, con gli importi arrotondati all'euro; il "
        "pulsante Stampa grafico stampa il grafico insieme agli importi mensili."),
    QStringLiteral(
        "Sia l'archivio dei lavoratori sia il registro dei lavori di ogni anno possono essere esportati in "
        "file di Microsoft Excel, che si aprono anche con gli altri più diffusi programmi per l'ufficio."),
    QStringLiteral(
        "I file esportati vengono creati nella cartella del programma e possono essere aperti subito, per "
        "essere rielaborati, inviati al commercialista o salvati con un altro nome."),
    QStringLiteral(
        "Orvelia può essere utilizzato in una rete locale: se la cartella del programma si trova su un disco "
        "condiviso, più postazioni lavorano sugli stessi archivi dei lavoratori e dei lavori."),
    QStringLiteral(
        "Gli archivi vengono aperti solo per il tempo necessario a leggere o a scrivere una scheda, così che "
        "più utenti possano lavorare contemporaneamente senza intralciarsi."),
    QStringLiteral(
        "L'accesso al programma è protetto da una password, che l'utente può cambiare a piacimento dalla "
        "finestra di accesso."),
    QStringLiteral(
        "Al primo accesso la password è la parola chiave parolainiziale, da digitare senza virgolette; è "
        "consigliabile sostituirla subito con una password personale, facile da ricordare ma difficile da "
        "indovinare."),
    QStringLiteral(
        "Orvelia non richiede installazione: l'intera cartella del programma può essere copiata su una "
        "chiavetta USB e il programma può essere avviato direttamente da lì."),
    QStringLiteral(
        "Tutti i dati si trovano nella cartella del programma: l'archivio dei lavoratori, i registri annuali "
        "dei lavori, i documenti allegati e la password. Copiare questa cartella è quindi il modo più rapido "
        "per fare una copia di sicurezza di tutti gli archivi."),
    QStringLiteral("Conviene eseguire la copia con regolarità, per esempio alla fine di ogni settimana, e "
                   "conservarla su "
                   "un supporto diverso dal computer su cui si lavora."),
    QStringLiteral("Orvelia è stato pensato per essere semplice: bastano pochi minuti per imparare a usarlo, "
                   "e le pagine "
                   "di questa guida, richiamabili da ogni finestra, accompagnano l'utente passo dopo passo."),
};

const QStringList kReports =
    QStringList{
        QStringLiteral(
            "Orvelia è dotato di un ambiente di reportistica costituito da due applicazioni studiate per "
            "riepilogare i compensi percepiti dai lavoratori e per rappresentare graficamente le uscite "
            "mensili "
            "della propria azienda derivanti dal pagamento degli stipendi. Entrambe si aprono da questo "
            "menu."),
        kSummaryObtain,
        kSummaryLists,
    } +
    kStatisticsParagraphs;

const QStringList kSummary{
    QStringLiteral(
        "L'applicazione Riepilogo compensi consente di ottenere il resoconto delle retribuzioni percepite "
        "dai "
        "lavoratori in un certo intervallo di tempo in base a quanto archiviato nel registro dei lavori. Si "
        "indicano la data di inizio e di fine del periodo e, se interessa un solo lavoratore, il suo codice "
        "fiscale; senza codice fiscale il riepilogo comprende tutti i lavoratori."),
    kSummaryLists,
};

const QStringList kWork{
    QStringLiteral(
        "Orvelia mette a disposizione un registro elettronico in cui inserire quotidianamente i dati "
        "riguardanti le prestazioni lavorative effettuate: la data del lavoro, l'orario di inizio e di fine "
        "del turno, il totale delle ore, la paga oraria, l'attività svolta, i materiali impiegati, eventuali "
        "note e i dati del lavoratore. Ogni anno solare ha un proprio registro."),
    QStringLiteral(
        "Il programma calcola automaticamente il totale giornaliero dovuto, moltiplicando le ore lavorate "
        "per "
        "la paga oraria. I riepiloghi dei compensi si basano su quanto è registrato: per questo occorre "
        "compilare una scheda per ogni lavoro eseguito."),
    QStringLiteral(
        "Per aggiungere una scheda si indica l'anno e si preme Apri, poi si preme Nuovo, si compilano i "
        "campi "
        "e si preme Salva. I campi obbligatori sono la data, il cognome e il nome del lavoratore, il codice "
        "fiscale, le ore lavorate, la paga oraria e l'attività svolta."),
    QStringLiteral(
        "Il pulsante accanto al nome del lavoratore apre la ricerca nell'archivio dei lavoratori: scelto il "
        "lavoratore, il cognome, il nome, il codice fiscale, il telefono preferenziale, la mansione e la "
        "categoria vengono importati nella scheda senza doverli digitare. Con il pulsante Allegati (Allega "
        "file) si possono collegare alla scheda documenti, foto o "
        "preventivi."),
    QStringLiteral(
        "Se un lavoratore svolge due turni nella stessa giornata, dopo aver salvato la scheda del primo "
        "turno "
        "si preme Duplica: la nuova scheda riprende tutti i dati, e basta correggere l'orario e salvare."),
    QStringLiteral(
        "Allo stesso modo Duplica serve quando il lavoro viene interrotto da una pausa: si registra una "
        "scheda "
        "per l'orario prima della pausa e una seconda, duplicata, per l'orario successivo, così che la pausa "
        "non venga retribuita."),
    QStringLiteral(
        "Duplica è utile anche per un lavoro che si ripete in altri giorni: si richiama con Trova una scheda "
        "già registrata, si preme Duplica, si cambia la data e si salva la nuova scheda."),
    QStringLiteral(
        "Il pulsante Trova cerca le schede del registro con uno o più filtri, per esempio il lavoratore, la "
        "data o l'attività; un doppio clic su una scheda trovata la carica nella finestra. Le frecce di "
        "scorrimento portano alla prima, alla precedente, alla successiva e all'ultima scheda."),
    QStringLiteral(
        "La casella dei lavori incompleti va spuntata quando un lavoro non è ancora terminato. Il pulsante "
        "con il triangolo giallo di avvertimento elenca tutti i lavori incompleti dell'anno, da cui si può "
        "richiamare la scheda per completarla."),
    QStringLiteral(
        "Il pulsante Esporta trasferisce il registro dell'anno in un foglio di lavoro di Microsoft Excel, "
        "mentre il pulsante Stampa stampa la scheda visualizzata."),
};

const QStringList kRegistry{
    QStringLiteral(
        "L'applicazione Anagrafica lavoratori mette a disposizione un ambiente di lavoro in cui registrare i "
        "dati dei lavoratori, con alcune funzioni avanzate: l'invio di un messaggio di posta elettronica al "
        "lavoratore, la verifica del codice fiscale, della partita IVA, della carta di credito e del codice "
        "IBAN, e l'importazione dei dati del lavoratore nei registri dei lavori."),
    QStringLiteral(
        "Di ogni lavoratore si possono registrare i dati anagrafici e il codice fiscale, la partita IVA, la "
        "residenza, lo stato civile, i giorni e gli orari di disponibilità, i recapiti telefonici e "
        "l'indirizzo "
        "e-mail, le qualifiche e la professione, il documento di identità, le coordinate bancarie, la carta "
        "di "
        "credito, le modalità di pagamento e le note."),
    QStringLiteral(
        "Nella sezione del contratto si annotano la mansione, la categoria, il livello e il tipo di "
        "contratto, la data di assunzione e quella della prossima scadenza, i giorni di preavviso, il "
        "compenso totale, il suo frazionamento e l'importo della rata. Il pulsante con il segnale di "
        "avvertimento elenca i "
        "contratti in scadenza entro il periodo di preavviso e quelli già scaduti; l'elenco può essere "
        "stampato."),
    QStringLiteral(
        "A ogni lavoratore si possono allegare fino a tre file, per esempio il contratto firmato, un "
        "documento di identità o il curriculum, che il programma copia nella propria cartella degli "
        "allegati."),
    QStringLiteral(
        "Per inserire un lavoratore si preme Nuovo, si compilano i campi e si preme Salva. Per aggiornare "
        "una "
        "scheda la si richiama con Trova o con le frecce di scorrimento, si modificano i dati e si preme di "
        "nuovo Salva."),
    QStringLiteral(
        "I pulsanti di verifica accanto ai campi controllano il codice fiscale, la partita IVA, il numero "
        "della carta di credito e il codice IBAN; di una partita IVA valida viene indicato anche l'ufficio "
        "provinciale che l'ha rilasciata. Il pulsante accanto all'indirizzo e-mail apre il programma di "
        "posta "
        "con un nuovo messaggio per il lavoratore."),
    QStringLiteral(
        "Il pulsante Trova cerca i lavoratori anche con chiavi parziali, per esempio le prime lettere del "
        "cognome, e con più filtri combinati; l'elenco dei lavoratori trovati può essere stampato."),
    QStringLiteral(
        "Il pulsante Esporta trasferisce l'intero archivio in un foglio di lavoro di Microsoft Excel, mentre "
        "il pulsante Stampa stampa la scheda del lavoratore visualizzato."),
};

QStringList exportPage(const QString& opening, const QString& what) {
    return {
        opening +
            QStringLiteral(", un formato che può essere aperto anche con gli altri più diffusi programmi "
                           "per l'ufficio."),
        QStringLiteral("Nella finestra che mostra ") + what +
            QStringLiteral(
                " in una griglia, un clic sull'icona di Excel crea immediatamente il file XLS nella "
                "cartella del programma; rispondendo Sì alla domanda che segue, il file viene "
                "aperto."),
        QStringLiteral(
            "Il foglio di lavoro aperto può quindi essere salvato con il nome e nella cartella che "
            "si preferisce, per essere conservato, rielaborato o inviato ad altri."),
    };
}

} // namespace

QString helpTitle(HelpPage page) {
    switch (page) {
    case HelpPage::Overview:
        return QStringLiteral("Uno sguardo a Orvelia.");
    case HelpPage::Reports:
        return QStringLiteral("Riepilogo compensi e statistiche rimunerazioni mensili.");
    case HelpPage::Statistics:
        return QStringLiteral("Grafici statistici rimunerazioni mensili.");
    case HelpPage::Summary:
        return QStringLiteral("Applicazione Riepilogo compensi.");
    case HelpPage::Work:
        return QStringLiteral("Applicazione Registrazione lavori.");
    case HelpPage::Registry:
        return QStringLiteral("Applicazione Anagrafica lavoratori.");
    case HelpPage::RegistryExport:
        return QStringLiteral("Esportazione archivio lavoratori in Microsoft Excel.");
    case HelpPage::WorkExport:
        return QStringLiteral("Esportazione registro lavori in Microsoft Excel.");
    }
    return QString();
}

QStringList helpParagraphs(HelpPage page) {
    switch (page) {
    case HelpPage::Overview:
        return kOverview;
    case HelpPage::Reports:
        return kReports;
    case HelpPage::Statistics:
        return kStatisticsParagraphs;
    case HelpPage::Summary:
        return kSummary;
    case HelpPage::Work:
        return kWork;
    case HelpPage::Registry:
        return kRegistry;
    case HelpPage::RegistryExport:
        return exportPage(
            QStringLiteral("Il pulsante Esporta archivio consente di esportare i dati anagrafici "
                           "di tutti i lavoratori in un foglio di lavoro di Microsoft Excel"),
            QStringLiteral("i dati dei lavoratori"));
    case HelpPage::WorkExport:
        return exportPage(
            QStringLiteral("Il pulsante Esporta archivio consente di esportare il registro annuale "
                           "delle prestazioni lavorative in un foglio di lavoro di Microsoft "
                           "Excel"),
            QStringLiteral("i lavori dell'anno"));
    }
    return {};
}

QString helpText(HelpPage page) {
    return helpParagraphs(page).join(kParagraphBreak);
}

QString instructionsTitle() {
    return QStringLiteral("Come registrare le prestazioni lavorative");
}

QStringList instructionsParagraphs() {
    return {
        QStringLiteral(
            "Il registro raccoglie, per ogni lavoro, la data, l'orario di inizio e di fine del turno "
            "e il totale delle ore lavorate."),
        QStringLiteral(
            "Il programma calcola da solo il totale giornaliero, moltiplicando le ore lavorate per la "
            "paga oraria."),
        QStringLiteral(
            "Tenere il registro aggiornato, con una scheda per ogni lavoro, permette di ottenere il "
            "riepilogo dei compensi."),
        QStringLiteral(
            "Per aggiungere una scheda premere Nuovo, compilare i campi e premere Salva. Sono "
            "obbligatori la data, il nome e il codice fiscale del lavoratore, le ore e l'attività."),
        QStringLiteral("Per un secondo turno nella stessa giornata premere Duplica, correggere l'orario e "
                       "salvare."),
        QStringLiteral("I dati del lavoratore si possono importare dall'archivio dei lavoratori, senza "
                       "digitarli."),
    };
}

} // namespace orvelia
