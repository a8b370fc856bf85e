<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>AccessCache</name>
    <message>
        <source>Cannot open the Access database &apos;%1&apos;: the cache folder &apos;%2&apos; cannot be made</source>
        <translation>Kan ikke åpne Access-databasen &apos;%1&apos;: hurtiglagermappen &apos;%2&apos; kan ikke lages</translation>
    </message>
</context>
<context>
    <name>AccessImport</name>
    <message>
        <source>Cannot open the Access database &apos;%1&apos;: %2</source>
        <translation>Kan ikke åpne Access-databasen &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>the import helper &apos;%1&apos; cannot be started: %2</source>
        <translation>importhjelperen &apos;%1&apos; kan ikke startes: %2</translation>
    </message>
    <message>
        <source>the import helper did not finish within %1 seconds and was stopped</source>
        <translation>importhjelperen ble ikke ferdig innen %1 sekunder og ble stoppet</translation>
    </message>
    <message>
        <source>the import helper crashed</source>
        <translation>importhjelperen krasjet</translation>
    </message>
    <message>
        <source>the import helper crashed (%1)</source>
        <translation>importhjelperen krasjet (%1)</translation>
    </message>
    <message>
        <source>the import helper failed with exit code %1</source>
        <translation>importhjelperen mislyktes med avslutningskode %1</translation>
    </message>
    <message>
        <source>the file is damaged (libmdb: %1)</source>
        <translation>filen er skadet (libmdb: %1)</translation>
    </message>
    <message>
        <source>the import helper wrote no database</source>
        <translation>importhjelperen skrev ingen database</translation>
    </message>
    <message>
        <source>the import helper &apos;%1&apos; is not installed beside the component</source>
        <translation>importhjelperen &apos;%1&apos; er ikke installert sammen med komponenten</translation>
    </message>
    <message>
        <source>the file &apos;%1&apos; exists already</source>
        <translation>filen &apos;%1&apos; finnes allerede</translation>
    </message>
    <message>
        <source>the folder &apos;%1&apos; cannot be written</source>
        <translation>det kan ikke skrives i mappen &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the copy cannot be put in place as &apos;%1&apos;</source>
        <translation>kopien kan ikke legges på plass som &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>CErrHandler</name>
    <message>
        <source>Current Operation: </source>
        <translation>Gjeldende handling: </translation>
    </message>
    <message>
        <source>The following error has occurred in procedure: </source>
        <translation>Følgende feil har oppstått i prosedyren: </translation>
    </message>
    <message>
        <source>%1 on line %2</source>
        <translation>%1 på linje %2</translation>
    </message>
    <message>
        <source>Error (%1) %2</source>
        <translation>Feil (%1) %2</translation>
    </message>
</context>
<context>
    <name>CalendarExportDialog</name>
    <message>
        <source>Liturgical &amp;days</source>
        <translation>&amp;Dager i kirkeåret</translation>
    </message>
    <message>
        <source>Planned &amp;services</source>
        <translation>Planlagte &amp;gudstjenester</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Eksporter kalender</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Fra:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Til:</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Eksporter...</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-filer (*.ics)</translation>
    </message>
    <message>
        <source>The calendar was written to %1: %2 days, %3 services.</source>
        <translation>Kalenderen ble skrevet til %1: %2 dager, %3 gudstjenester.</translation>
    </message>
    <message>
        <source>The calendar could not be written: %1</source>
        <translation>Kalenderen kunne ikke skrives: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 trenger en verdi</translation>
    </message>
    <message>
        <source>the edition code &apos;%1&apos; is not a number</source>
        <translation>utgavekoden &apos;%1&apos; er ikke et tall</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>ingen kommando er gitt</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>ukjent kommando &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--ini needs a file</source>
        <translation>--ini trenger en fil</translation>
    </message>
    <message>
        <source>--server needs a connection string</source>
        <translation>--server trenger en tilkoblingsstreng</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a month of the form YYYY-MM</source>
        <translation>&apos;%1&apos; er ikke en måned på formen ÅÅÅÅ-MM</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>uventet argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the month (YYYY-MM) is missing</source>
        <translation>måneden (ÅÅÅÅ-MM) mangler</translation>
    </message>
    <message>
        <source>usage:</source>
        <translation>bruk:</translation>
    </message>
    <message>
        <source> liturgy-calendar version
       liturgy-calendar month YYYY-MM [--ini FILE] [--edition CODE] [--server CONNECTION-STRING] [--json]
       liturgy-calendar week YYYY-MM [--ini FILE] [--edition CODE] [--server CONNECTION-STRING] [--json]
       liturgy-calendar edition [--ini FILE] [--edition CODE] [--server CONNECTION-STRING]
       liturgy-calendar help
</source>
        <translation> liturgy-calendar version
       liturgy-calendar month ÅÅÅÅ-MM [--ini FIL] [--edition KODE] [--server TILKOBLINGSSTRENG] [--json]
       liturgy-calendar week ÅÅÅÅ-MM [--ini FIL] [--edition KODE] [--server TILKOBLINGSSTRENG] [--json]
       liturgy-calendar edition [--ini FIL] [--edition KODE] [--server TILKOBLINGSSTRENG]
       liturgy-calendar help
</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>bruk: %1</translation>
    </message>
    <message>
        <source>       liturgy-calendar copy-to-server --ini FILE --server CONNECTION-STRING [--replace]
</source>
        <translation>       liturgy-calendar copy-to-server --ini FIL --server TILKOBLINGSSTRENG [--replace]
</translation>
    </message>
    <message>
        <source>copy-to-server needs --ini FILE and --server CONNECTION-STRING</source>
        <translation>copy-to-server trenger --ini FIL og --server TILKOBLINGSSTRENG</translation>
    </message>
    <message>
        <source>Copying to the server</source>
        <translation>Kopierer til serveren</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabell</translation>
    </message>
    <message>
        <source>Data files</source>
        <translation>Datafiler</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Every table on the server holds the rows of its data file.
</source>
        <translation>Hver tabell på serveren har radene fra datafilen sin.
</translation>
    </message>
    <message>
        <source>       liturgy-calendar day YYYY-MM-DD [--kind readings|prayers|ordo] [--entry N] [--list | --html] [--ini FILE] [--edition CODE] [--server CONNECTION-STRING]
</source>
        <translation>       liturgy-calendar day ÅÅÅÅ-MM-DD [--kind readings|prayers|ordo] [--entry N] [--list | --html] [--ini FIL] [--edition KODE] [--server TILKOBLINGSSTRENG]
</translation>
    </message>
    <message>
        <source>the page kind &apos;%1&apos; is not readings, prayers or ordo</source>
        <translation>sidetypen &apos;%1&apos; er ikke readings, prayers eller ordo</translation>
    </message>
    <message>
        <source>the entry &apos;%1&apos; is not a number from 1</source>
        <translation>oppføringen &apos;%1&apos; er ikke et tall fra 1 og oppover</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date of the form YYYY-MM-DD</source>
        <translation>&apos;%1&apos; er ikke en dato på formen ÅÅÅÅ-MM-DD</translation>
    </message>
    <message>
        <source>the date (YYYY-MM-DD) is missing</source>
        <translation>datoen (ÅÅÅÅ-MM-DD) mangler</translation>
    </message>
    <message>
        <source>the day list of %1 has no entry %2</source>
        <translation>daglisten for %1 har ingen oppføring %2</translation>
    </message>
    <message>
        <source>the page could not be built</source>
        <translation>siden kunne ikke lages</translation>
    </message>
    <message>
        <source>The %1 page of %2 is empty.
</source>
        <translation>Siden med %1 for %2 er tom.
</translation>
    </message>
    <message>
        <source>the page file &apos;%1&apos; cannot be read</source>
        <translation>sidefilen &apos;%1&apos; kan ikke leses</translation>
    </message>
    <message>
        <source>--odt needs a file</source>
        <translation>--odt trenger en fil</translation>
    </message>
    <message>
        <source>--odt is given more than once</source>
        <translation>--odt er gitt mer enn én gang</translation>
    </message>
    <message>
        <source>--odt FILE is missing</source>
        <translation>--odt FIL mangler</translation>
    </message>
    <message>
        <source>export takes day or month</source>
        <translation>export tar day eller month</translation>
    </message>
    <message>
        <source>--json is not an option of export</source>
        <translation>--json er ikke et valg for export</translation>
    </message>
    <message>
        <source>the month was not exported</source>
        <translation>måneden ble ikke eksportert</translation>
    </message>
    <message>
        <source>%1 is not an option of export</source>
        <translation>%1 er ikke et valg for export</translation>
    </message>
    <message>
        <source>the page of %1 is empty; nothing was exported</source>
        <translation>siden for %1 er tom; ingenting ble eksportert</translation>
    </message>
    <message>
        <source>the page was not exported</source>
        <translation>siden ble ikke eksportert</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an SQLite database already; the INI file can name it as it is.</source>
        <translation>&apos;%1&apos; er allerede en SQLite-database; INI-filen kan nevne den slik den er.</translation>
    </message>
    <message>
        <source>       liturgy-calendar import FILE.mdb --out FILE.sqlite | --list
</source>
        <translation>       liturgy-calendar import FIL.mdb --out FIL.sqlite | --list
</translation>
    </message>
    <message>
        <source>--out needs a file name</source>
        <translation>--out trenger et filnavn</translation>
    </message>
    <message>
        <source>import needs the Access database to read</source>
        <translation>import trenger Access-databasen som skal leses</translation>
    </message>
    <message>
        <source>import needs either --out FILE or --list</source>
        <translation>import trenger enten --out FIL eller --list</translation>
    </message>
    <message>
        <source>       liturgy-calendar mail day YYYY-MM-DD [--kind readings|prayers|ordo] [--entry N] [--ini FILE] [--edition CODE] [--server CONNECTION-STRING]
</source>
        <translation>       liturgy-calendar mail day ÅÅÅÅ-MM-DD [--kind readings|prayers|ordo] [--entry N] [--ini FIL] [--edition KODE] [--server TILKOBLINGSSTRENG]
</translation>
    </message>
    <message>
        <source>mail sends a day page: mail day YYYY-MM-DD</source>
        <translation>mail sender en dagside: mail day ÅÅÅÅ-MM-DD</translation>
    </message>
    <message>
        <source>%1 is not an option of mail</source>
        <translation>%1 er ikke et valg for mail</translation>
    </message>
    <message>
        <source>the page of %1 is empty; nothing was sent</source>
        <translation>siden for %1 er tom; ingenting ble sendt</translation>
    </message>
    <message>
        <source>no mail client took the message</source>
        <translation>ingen e-postklient tok imot meldingen</translation>
    </message>
    <message>
        <source>to send the page by hand, save it with: liturgy-calendar day %1 --html &gt; page.html</source>
        <translation>for å sende siden selv, lagre den med: liturgy-calendar day %1 --html &gt; side.html</translation>
    </message>
    <message>
        <source>print what? month, week or day</source>
        <translation>skrive ut hva? month, week eller day</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value of %2</source>
        <translation>&apos;%1&apos; er ikke en gyldig verdi for %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a %2</source>
        <translation>&apos;%1&apos; er ikke en %2</translation>
    </message>
    <message>
        <source>date of the form YYYY-MM-DD</source>
        <translation>dato på formen ÅÅÅÅ-MM-DD</translation>
    </message>
    <message>
        <source>month of the form YYYY-MM</source>
        <translation>måned på formen ÅÅÅÅ-MM</translation>
    </message>
    <message>
        <source>give either --pdf FILE or --printer NAME</source>
        <translation>oppgi enten --pdf FIL eller --printer NAVN</translation>
    </message>
    <message>
        <source>there is no page of %1 to print</source>
        <translation>det finnes ingen side for %1 å skrive ut</translation>
    </message>
    <message>
        <source>could not print on %1</source>
        <translation>kunne ikke skrive ut på %1</translation>
    </message>
    <message>
        <source>Sent to the printer %1</source>
        <translation>Sendt til skriveren %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a time of the form HH:MM</source>
        <translation>&apos;%1&apos; er ikke et klokkeslett på formen TT:MM</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a weekday (monday to sunday)</source>
        <translation>&apos;%1&apos; er ikke en ukedag (monday til sunday)</translation>
    </message>
    <message>
        <source>the number of services &apos;%1&apos; is not from 1 to %2</source>
        <translation>antallet gudstjenester &apos;%1&apos; er ikke fra 1 til %2</translation>
    </message>
    <message>
        <source>the interval &apos;%1&apos; is not from 1 to %2 weeks</source>
        <translation>intervallet &apos;%1&apos; er ikke fra 1 til %2 uker</translation>
    </message>
    <message>
        <source>--from, --to and --count go with --every</source>
        <translation>--from, --to og --count hører sammen med --every</translation>
    </message>
    <message>
        <source>the date (YYYY-MM-DD) or --every is missing</source>
        <translation>datoen (ÅÅÅÅ-MM-DD) eller --every mangler</translation>
    </message>
    <message>
        <source>a series takes its dates from --from, not a date</source>
        <translation>en serie tar datoene sine fra --from, ikke fra en dato</translation>
    </message>
    <message>
        <source>a series needs --from YYYY-MM-DD</source>
        <translation>en serie trenger --from ÅÅÅÅ-MM-DD</translation>
    </message>
    <message>
        <source>a series needs either --to YYYY-MM-DD or --count N</source>
        <translation>en serie trenger enten --to ÅÅÅÅ-MM-DD eller --count N</translation>
    </message>
    <message>
        <source>--to %1 lies before --from %2</source>
        <translation>--to %1 ligger før --from %2</translation>
    </message>
    <message>
        <source>remove needs the date (YYYY-MM-DD) and --time HH:MM</source>
        <translation>remove trenger datoen (ÅÅÅÅ-MM-DD) og --time TT:MM</translation>
    </message>
    <message>
        <source> --force plans it anyway.</source>
        <translation> --force planlegger den likevel.</translation>
    </message>
    <message>
        <source>the plan already holds %n of these services; --allow-duplicate plans them again:
</source>
        <translation>planen har allerede %n av disse gudstjenestene; --allow-duplicate planlegger dem på nytt:
</translation>
    </message>
    <message>
        <source>%1 services are planned on %2 at %3; none was removed. Name the kind with --type, or remove them all with --all:
%4</source>
        <translation>%1 gudstjenester er planlagt %2 kl. %3; ingen ble fjernet. Oppgi typen med --type, eller fjern alle med --all:
%4</translation>
    </message>
    <message>
        <source>no service is planned on %1 at %2%3</source>
        <translation>ingen gudstjeneste er planlagt %1 kl. %2%3</translation>
    </message>
    <message>
        <source> of the kind &apos;%1&apos;</source>
        <translation> av typen &apos;%1&apos;</translation>
    </message>
    <message>
        <source>       liturgy-calendar service add YYYY-MM-DD [--time HH:MM] [--type TEXT] [--place TEXT] [--force] [--allow-duplicate]
       liturgy-calendar service add --every WEEKDAY --from YYYY-MM-DD (--to YYYY-MM-DD | --count N) [--interval N] [--time HH:MM] [--type TEXT] [--place TEXT] [--force] [--allow-duplicate]
       liturgy-calendar service list YYYY-MM [--json]
       liturgy-calendar service remove YYYY-MM-DD --time HH:MM [--type TEXT] [--all]
       (each also with [--ini FILE] [--edition CODE] [--server CONNECTION-STRING])
</source>
        <translation>       liturgy-calendar service add ÅÅÅÅ-MM-DD [--time TT:MM] [--type TEKST] [--place TEKST] [--force] [--allow-duplicate]
       liturgy-calendar service add --every UKEDAG --from ÅÅÅÅ-MM-DD (--to ÅÅÅÅ-MM-DD | --count N) [--interval N] [--time TT:MM] [--type TEKST] [--place TEKST] [--force] [--allow-duplicate]
       liturgy-calendar service list ÅÅÅÅ-MM [--json]
       liturgy-calendar service remove ÅÅÅÅ-MM-DD --time TT:MM [--type TEKST] [--all]
       (hver også med [--ini FIL] [--edition KODE] [--server TILKOBLINGSSTRENG])
</translation>
    </message>
    <message>
        <source>service needs add, list or remove</source>
        <translation>service trenger add, list eller remove</translation>
    </message>
    <message>
        <source>unknown service action &apos;%1&apos;</source>
        <translation>ukjent service-handling &apos;%1&apos;</translation>
    </message>
    <message>
        <source>       liturgy-calendar print month|week YYYY-MM (--pdf FILE | --printer NAME) [--ini FILE] [--edition CODE] [--server CONNECTION-STRING]
       liturgy-calendar print day YYYY-MM-DD [--kind readings|prayers|ordo] [--entry N] (--pdf FILE | --printer NAME) [--ini FILE] [--edition CODE] [--server CONNECTION-STRING]
</source>
        <translation>       liturgy-calendar print month|week ÅÅÅÅ-MM (--pdf FIL | --printer NAVN) [--ini FIL] [--edition KODE] [--server TILKOBLINGSSTRENG]
       liturgy-calendar print day ÅÅÅÅ-MM-DD [--kind readings|prayers|ordo] [--entry N] (--pdf FIL | --printer NAVN) [--ini FIL] [--edition KODE] [--server TILKOBLINGSSTRENG]
</translation>
    </message>
    <message>
        <source>       liturgy-calendar export month YYYY-MM --odt FILE [--ini FILE] [--edition CODE] [--server CONNECTION-STRING]
       liturgy-calendar export day YYYY-MM-DD [--kind readings|prayers|ordo] [--entry N] --odt FILE [--ini FILE] [--edition CODE] [--server CONNECTION-STRING]
</source>
        <translation>       liturgy-calendar export month ÅÅÅÅ-MM --odt FIL [--ini FIL] [--edition KODE] [--server TILKOBLINGSSTRENG]
       liturgy-calendar export day ÅÅÅÅ-MM-DD [--kind readings|prayers|ordo] [--entry N] --odt FIL [--ini FIL] [--edition KODE] [--server TILKOBLINGSSTRENG]
</translation>
    </message>
    <message>
        <source>readings</source>
        <translation>lesninger</translation>
    </message>
    <message>
        <source>prayers</source>
        <translation>bønner</translation>
    </message>
    <message>
        <source>ordo</source>
        <translation>ordo</translation>
    </message>
    <message>
        <source>       liturgy-calendar ics [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--days] [--services] [--edition CODE] [--ini FILE] [--server CONNECTION-STRING] --out FILE.ics
</source>
        <translation>       liturgy-calendar ics [--from ÅÅÅÅ-MM-DD] [--to ÅÅÅÅ-MM-DD] [--days] [--services] [--edition KODE] [--ini FIL] [--server TILKOBLINGSSTRENG] --out FIL.ics
</translation>
    </message>
    <message>
        <source>       liturgy-calendar serve [--listen ADDRESS:PORT] [--edition CODE] [--ini FILE] [--server CONNECTION-STRING]
</source>
        <translation>       liturgy-calendar serve [--listen ADRESSE:PORT] [--edition KODE] [--ini FIL] [--server TILKOBLINGSSTRENG]
</translation>
    </message>
    <message>
        <source>the range ends (%1) before it begins (%2)</source>
        <translation>perioden slutter (%1) før den begynner (%2)</translation>
    </message>
    <message>
        <source>the range from %1 to %2 is longer than %3 days</source>
        <translation>perioden fra %1 til %2 er lengre enn %3 dager</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 tar ingen verdi</translation>
    </message>
    <message>
        <source>the file to write is missing: --out FILE.ics</source>
        <translation>filen som skal skrives mangler: --out FIL.ics</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an address and port such as 127.0.0.1:8080</source>
        <translation>&apos;%1&apos; er ikke en adresse og port som 127.0.0.1:8080</translation>
    </message>
</context>
<context>
    <name>DataCoverage</name>
    <message>
        <source>on the server</source>
        <translation>på serveren</translation>
    </message>
    <message>
        <source>the liturgy database on the server cannot be read</source>
        <translation>liturgidatabasen på serveren kan ikke leses</translation>
    </message>
    <message>
        <source>the INI file &apos;%1&apos; names no liturgy database</source>
        <translation>INI-filen &apos;%1&apos; nevner ingen liturgidatabase</translation>
    </message>
    <message>
        <source>the liturgy database &apos;%1&apos; does not exist</source>
        <translation>liturgidatabasen &apos;%1&apos; finnes ikke</translation>
    </message>
    <message>
        <source>the liturgy database %1 holds no calendar rows</source>
        <translation>liturgidatabasen %1 har ingen kalenderrader</translation>
    </message>
    <message>
        <source>%1 is outside the data: the liturgy database %2 covers %3</source>
        <translation>%1 ligger utenfor dataene: liturgidatabasen %2 dekker %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 til %2</translation>
    </message>
</context>
<context>
    <name>DataSource</name>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Finner ikke filen &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>No data file is named.</source>
        <translation>Ingen datafil er oppgitt.</translation>
    </message>
    <message>
        <source>Cannot open the file &apos;%1&apos;: %2</source>
        <translation>Kan ikke åpne filen &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Unrecognized database format &apos;%1&apos;.</source>
        <translation>Ukjent databaseformat &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Type the date as %1 or %2.</source>
        <translation>Skriv datoen som %1 eller %2.</translation>
    </message>
    <message>
        <source>Choose from a calendar (Alt+Down)</source>
        <translation>Velg i en kalender (Alt+Pil ned)</translation>
    </message>
    <message>
        <source>Choose from a calendar</source>
        <translation>Velg i en kalender</translation>
    </message>
</context>
<context>
    <name>DayPageSend</name>
    <message>
        <source>No mail program is set up on this computer, so the page cannot be sent from here.</source>
        <translation>Det er ikke satt opp noe e-postprogram på denne datamaskinen, så siden kan ikke sendes herfra.</translation>
    </message>
    <message>
        <source>Save the page as a file to attach to a message by hand?</source>
        <translation>Vil du lagre siden som en fil og legge den ved en melding selv?</translation>
    </message>
    <message>
        <source>The page is saved as %1. Attach it to a message in your mail program.</source>
        <translation>Siden er lagret som %1. Legg den ved en melding i e-postprogrammet ditt.</translation>
    </message>
</context>
<context>
    <name>DayPageHtml</name>
    <message>
        <source>This page is too long to be shown whole; its end is left out.</source>
        <translation>Denne siden er for lang til å vises i sin helhet; slutten er utelatt.</translation>
    </message>
    <message>
        <source>Part of this page was nested too deeply and is shown flattened.</source>
        <translation>En del av denne siden var lagt for dypt i hverandre og vises flatt.</translation>
    </message>
</context>
<context>
    <name>EditionChooser</name>
    <message>
        <source>%1 (%2 missing)</source>
        <translation>%1 (%2 mangler)</translation>
    </message>
</context>
<context>
    <name>EditionCommand</name>
    <message>
        <source>(not named)</source>
        <translation>(ikke oppgitt)</translation>
    </message>
    <message>
        <source>(missing)</source>
        <translation>(mangler)</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>User cancelled process</source>
        <translation>Brukeren avbrøt</translation>
    </message>
    <message>
        <source>Login has failed</source>
        <translation>Innloggingen mislyktes</translation>
    </message>
    <message>
        <source>Invalid session</source>
        <translation>Ugyldig økt</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ugyldig prosedyrekall eller argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflyt</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks utenfor område</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen passer ikke</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Finner ikke filen</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Feil ved tilgang til bane/fil</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Finner ikke banen</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Objektet er ikke satt</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Ugyldig bruk av tom verdi</translation>
    </message>
    <message>
        <source>A part of the program cannot be started</source>
        <translation>En del av programmet kan ikke startes</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Objektet har ikke denne egenskapen eller metoden</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Intern feil</translation>
    </message>
</context>
<context>
    <name>FirstStart</name>
    <message>
        <source>There is no calendar data on this computer yet. Create the default data set now? It holds the church year with its readings and prayers. This takes a few seconds.

It will be written to %1.</source>
        <translation>Det finnes ingen kalenderdata på denne datamaskinen ennå. Vil du lage standarddatasettet nå? Det inneholder kirkeåret med lesninger og kollektbønner. Dette tar noen sekunder.

Det blir skrevet til %1.</translation>
    </message>
    <message>
        <source>Creating the default data set</source>
        <translation>Lager standarddatasettet</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Lag</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Starter...</translation>
    </message>
    <message>
        <source>The default data set could not be created: %1</source>
        <translation>Standarddatasettet kunne ikke lages: %1</translation>
    </message>
    <message>
        <source>no data set was created; create it with: make-sample-data --out %1</source>
        <translation>det ble ikke laget noe datasett; lag det med: make-sample-data --out %1</translation>
    </message>
</context>
<context>
    <name>GoToDate</name>
    <message>
        <source>Go to date</source>
        <translation>Gå til dato</translation>
    </message>
    <message>
        <source>Go to date (Ctrl+G)</source>
        <translation>Gå til dato (Ctrl+G)</translation>
    </message>
    <message>
        <source>Go to Date...</source>
        <translation>Gå til dato...</translation>
    </message>
</context>
<context>
    <name>HelperProgram</name>
    <message>
        <source>cannot start the iCalendar program %1: %2</source>
        <translation>kan ikke starte iCalendar-programmet %1: %2</translation>
    </message>
    <message>
        <source>cannot start the window program %1: %2</source>
        <translation>kan ikke starte vindusprogrammet %1: %2</translation>
    </message>
</context>
<context>
    <name>HostCommands</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Skriv ut...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Forhåndsvisning...</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>Side&amp;oppsett...</translation>
    </message>
    <message>
        <source>Open in &amp;Word Processor</source>
        <translation>Åpne i &amp;tekstbehandler</translation>
    </message>
    <message>
        <source>&amp;Send by E-mail...</source>
        <translation>Send med &amp;e-post...</translation>
    </message>
    <message>
        <source>New &amp;E-mail</source>
        <translation>Ny e-&amp;post</translation>
    </message>
    <message>
        <source>&amp;New Service...</source>
        <translation>&amp;Ny gudstjeneste...</translation>
    </message>
    <message>
        <source>&amp;Services</source>
        <translation>&amp;Gudstjenester</translation>
    </message>
    <message>
        <source>&amp;Recurring Services...</source>
        <translation>&amp;Faste gudstjenester...</translation>
    </message>
    <message>
        <source>Search the &amp;Web for the Day</source>
        <translation>Søk etter dagen på &amp;nettet</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Om</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Rediger</translation>
    </message>
    <message>
        <source>&amp;Copy Day Page</source>
        <translation>&amp;Kopier dagsiden</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Om %1</translation>
    </message>
    <message>
        <source>%1 %2
The church year, its readings and prayers.</source>
        <translation>%1 %2
Kirkeåret med lesninger og kollektbønner.</translation>
    </message>
</context>
<context>
    <name>HostServices</name>
    <message>
        <source>Remove the service %1 from the plan?</source>
        <translation>Vil du fjerne gudstjenesten %1 fra planen?</translation>
    </message>
    <message>
        <source>%1 is no longer in the plan.</source>
        <translation>%1 finnes ikke lenger i planen.</translation>
    </message>
</context>
<context>
    <name>HostSession</name>
    <message>
        <source>; the editions of this data set are %1</source>
        <translation>; utgavene i dette datasettet er %1</translation>
    </message>
    <message>
        <source>no data set found; create it with: make-sample-data --out %1</source>
        <translation>fant ikke noe datasett; lag det med: make-sample-data --out %1</translation>
    </message>
    <message>
        <source>the INI file &apos;%1&apos; does not exist</source>
        <translation>INI-filen &apos;%1&apos; finnes ikke</translation>
    </message>
    <message>
        <source>the INI file &apos;%1&apos; cannot be read</source>
        <translation>INI-filen &apos;%1&apos; kan ikke leses</translation>
    </message>
    <message>
        <source>%1 is not an edition code</source>
        <translation>%1 er ikke en utgavekode</translation>
    </message>
    <message>
        <source>the edition %1 (%2) needs the liturgy database %3, which the default data set does not have</source>
        <translation>utgaven %1 (%2) trenger liturgidatabasen %3, som standarddatasettet ikke har</translation>
    </message>
    <message>
        <source>the liturgy database cannot be read</source>
        <translation>liturgidatabasen kan ikke leses</translation>
    </message>
    <message>
        <source>the INI file &apos;%1&apos; is saved as UTF-16, which cannot be read; save it as UTF-8</source>
        <translation>INI-filen &apos;%1&apos; er lagret som UTF-16, som ikke kan leses; lagre den som UTF-8</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>Commands</source>
        <translation>Kommandoer</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Export &amp;Calendar...</source>
        <translation>Eksporter &amp;kalender...</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Eksporter kalender</translation>
    </message>
    <message>
        <source>%1 is not available in this application.</source>
        <translation>%1 finnes ikke i dette programmet.</translation>
    </message>
    <message>
        <source>Liturgy Calendar</source>
        <translation>Liturgisk kalender</translation>
    </message>
    <message>
        <source>the component&apos;s library %1 does not exist</source>
        <translation>komponentens bibliotek %1 finnes ikke</translation>
    </message>
    <message>
        <source>cannot load the component %1: %2</source>
        <translation>kan ikke laste komponenten %1: %2</translation>
    </message>
    <message>
        <source>%1 is not the component&apos;s library</source>
        <translation>%1 er ikke komponentens bibliotek</translation>
    </message>
    <message>
        <source>the component&apos;s class is not available</source>
        <translation>komponentens klasse er ikke tilgjengelig</translation>
    </message>
    <message>
        <source>%1 cannot be given the time</source>
        <translation>%1 kan ikke få tidspunktet</translation>
    </message>
    <message>
        <source>the component cannot be created</source>
        <translation>komponenten kan ikke lages</translation>
    </message>
    <message>
        <source>the component&apos;s window could not be opened</source>
        <translation>komponentens vindu kunne ikke åpnes</translation>
    </message>
    <message>
        <source>The program cannot start: the INI file it was given does not exist.

Check the file name given with --ini.</source>
        <translation>Programmet kan ikke starte: INI-filen det fikk, finnes ikke.

Kontroller filnavnet som er gitt med --ini.</translation>
    </message>
    <message>
        <source>The program cannot start: its calendar component is missing or damaged.

Reinstall %1. If the fault remains, give your support the details.</source>
        <translation>Programmet kan ikke starte: kalenderkomponenten mangler eller er skadet.

Installer %1 på nytt. Hvis feilen består, gi brukerstøtten detaljene.</translation>
    </message>
</context>
<context>
    <name>MonthCalendarView</name>
    <message>
        <source>Month calendar</source>
        <translation>Månedskalender</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Forrige måned</translation>
    </message>
    <message>
        <source>Previous month (Page Up)</source>
        <translation>Forrige måned (Page Up)</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Neste måned</translation>
    </message>
    <message>
        <source>Next month (Page Down)</source>
        <translation>Neste måned (Page Down)</translation>
    </message>
</context>
<context>
    <name>PlanDatabase</name>
    <message>
        <source>Cannot create the plan database &apos;%1&apos;: %2</source>
        <translation>Kan ikke lage plandatabasen &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Cannot create the plan database &apos;%1&apos;.</source>
        <translation>Kan ikke lage plandatabasen &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: %3</source>
        <translation>%1 &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the disk is full, and the plan is as it was</source>
        <translation>%1 &apos;%2&apos;: disken er full, og planen er som den var</translation>
    </message>
    <message>
        <source>No plan database is named: the INI file has no &quot;PlanFile&quot; in its section &quot;Files&quot;.</source>
        <translation>Ingen plandatabase er oppgitt: INI-filen har ingen &quot;PlanFile&quot; i seksjonen &quot;Files&quot;.</translation>
    </message>
    <message>
        <source>The plan database &apos;%1&apos; does not exist.</source>
        <translation>Plandatabasen &apos;%1&apos; finnes ikke.</translation>
    </message>
    <message>
        <source>The plan database &apos;%1&apos; is not a file.</source>
        <translation>Plandatabasen &apos;%1&apos; er ikke en fil.</translation>
    </message>
    <message>
        <source>The plan database &apos;%1&apos; is not a database this program can read.</source>
        <translation>Plandatabasen &apos;%1&apos; er ikke en database dette programmet kan lese.</translation>
    </message>
    <message>
        <source>Cannot open the plan database</source>
        <translation>Kan ikke åpne plandatabasen</translation>
    </message>
    <message>
        <source>The connection string &apos;%1&apos; names no database server.</source>
        <translation>Tilkoblingsstrengen &apos;%1&apos; nevner ingen databaseserver.</translation>
    </message>
    <message>
        <source>The plan database is not open.</source>
        <translation>Plandatabasen er ikke åpen.</translation>
    </message>
    <message>
        <source>Cannot write the plan database &apos;%1&apos;: the file is read-only.</source>
        <translation>Kan ikke skrive plandatabasen &apos;%1&apos;: filen er skrivebeskyttet.</translation>
    </message>
    <message>
        <source>Cannot write the plan database</source>
        <translation>Kan ikke skrive plandatabasen</translation>
    </message>
    <message>
        <source>Cannot read the plan database</source>
        <translation>Kan ikke lese plandatabasen</translation>
    </message>
    <message>
        <source>The service %1 %2 is no longer in the plan &apos;%3&apos;.</source>
        <translation>Gudstjenesten %1 %2 er ikke lenger i planen &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>The plan already holds %1 %2, %3, %4%5.</source>
        <translation>Planen har allerede %1 %2, %3, %4%5.</translation>
    </message>
    <message>
        <source>no kind</source>
        <translation>ingen type</translation>
    </message>
    <message>
        <source>no place</source>
        <translation>intet sted</translation>
    </message>
    <message>
        <source> and %1 more of these services</source>
        <translation> og %1 flere av disse gudstjenestene</translation>
    </message>
</context>
<context>
    <name>PreviewNames</name>
    <message>
        <source>Print Preview</source>
        <translation>Forhåndsvisning</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Sider</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Side</translation>
    </message>
</context>
<context>
    <name>PrintTarget</name>
    <message>
        <source>no printer and no PDF file to print on</source>
        <translation>ingen skriver og ingen PDF-fil å skrive ut på</translation>
    </message>
    <message>
        <source>the printer &apos;%1&apos; is not known</source>
        <translation>skriveren &apos;%1&apos; er ukjent</translation>
    </message>
</context>
<context>
    <name>QDockWidget</name>
    <message>
        <source>Float</source>
        <translation>Løsne</translation>
    </message>
    <message>
        <source>Undocks and re-attaches the dock widget</source>
        <translation>Løsner og fester ruten igjen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Closes the dock widget</source>
        <translation>Lukker ruten</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Forhåndsvisning</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Tekstbehandler</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>New Service</source>
        <translation>Ny gudstjeneste</translation>
    </message>
    <message>
        <source>Recurring Services</source>
        <translation>Faste gudstjenester</translation>
    </message>
    <message>
        <source>Show or hide %1</source>
        <translation>Vis eller skjul %1</translation>
    </message>
    <message>
        <source>Calendar tools</source>
        <translation>Kalenderverktøy</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>Utgave</translation>
    </message>
    <message>
        <source>Hidden panes</source>
        <translation>Skjulte ruter</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Kommandoer</translation>
    </message>
    <message>
        <source>Copy tooltip</source>
        <translation>Kopier verktøytipset</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Klokkeslett:</translation>
    </message>
    <message>
        <source>&amp;Kind of service:</source>
        <translation>&amp;Type gudstjeneste:</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>&amp;Sted:</translation>
    </message>
    <message>
        <source>Choose or type the kind of service.</source>
        <translation>Velg eller skriv typen gudstjeneste.</translation>
    </message>
    <message>
        <source>The plan already holds this service: %1. Plan it again?</source>
        <translation>Planen har allerede denne gudstjenesten: %1. Vil du planlegge den igjen?</translation>
    </message>
    <message>
        <source>The plan already holds %1 of these services, the first %2. Plan them again?</source>
        <translation>Planen har allerede %1 av disse gudstjenestene, den første %2. Vil du planlegge dem igjen?</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Rull til venstre</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Rull til høyre</translation>
    </message>
</context>
<context>
    <name>ServerCopy</name>
    <message>
        <source>liturgy database</source>
        <translation>liturgidatabasen</translation>
    </message>
    <message>
        <source>plan database</source>
        <translation>plandatabasen</translation>
    </message>
    <message>
        <source>service database</source>
        <translation>gudstjenestedatabasen</translation>
    </message>
    <message>
        <source>item data file</source>
        <translation>elementdatafilen</translation>
    </message>
    <message>
        <source>The %1 cannot be read: %2</source>
        <translation>Kan ikke lese %1: %2</translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; cannot be read: %3</source>
        <translation>Kan ikke lese %1 &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; has no table %3.</source>
        <translation>Det finnes ingen tabell %3 i %1 &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2.%3 is no date.</source>
        <translation>Verdien &apos;%1&apos; i %2.%3 er ingen dato.</translation>
    </message>
    <message>
        <source>The connection string &apos;%1&apos; names no PostgreSQL server.</source>
        <translation>Tilkoblingsstrengen &apos;%1&apos; nevner ingen PostgreSQL-server.</translation>
    </message>
    <message>
        <source>The server database &apos;%1&apos; holds the tables %2 already; they are replaced only when asked to (--replace).</source>
        <translation>Serverdatabasen &apos;%1&apos; har allerede tabellene %2; de erstattes bare når du ber om det (--replace).</translation>
    </message>
    <message>
        <source>%1 has %2 rows in the data file and %3 on the server</source>
        <translation>%1 har %2 rader i datafilen og %3 på serveren</translation>
    </message>
    <message>
        <source>The copy is incomplete: %1.</source>
        <translation>Kopien er ufullstendig: %1.</translation>
    </message>
    <message>
        <source>The INI file &apos;%1&apos; does not exist.</source>
        <translation>INI-filen &apos;%1&apos; finnes ikke.</translation>
    </message>
    <message>
        <source>The INI file &apos;%1&apos; names no database: its section &quot;Files&quot; has no LiturgyFile, PlanFile or ServiceFile.</source>
        <translation>INI-filen &apos;%1&apos; nevner ingen database: seksjonen &quot;Files&quot; har ingen LiturgyFile, PlanFile eller ServiceFile.</translation>
    </message>
</context>
<context>
    <name>ServiceMenu</name>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Endre...</translation>
    </message>
    <message>
        <source>&amp;Remove...</source>
        <translation>&amp;Fjern...</translation>
    </message>
</context>
<context>
    <name>TerminalCalendar</name>
    <message>
        <source>* one service, ** two or more</source>
        <translation>* én gudstjeneste, ** to eller flere</translation>
    </message>
</context>
<context>
    <name>TerminalProgress</name>
    <message>
        <source>%1% (%2 of %3 rows)</source>
        <translation>%1% (%2 av %3 rader)</translation>
    </message>
</context>
<context>
    <name>TimeField</name>
    <message>
        <source>Type the time as 19:30 or 1930.</source>
        <translation>Skriv klokkeslettet som 19:30 eller 1930.</translation>
    </message>
</context>
<context>
    <name>ToolBarOverflow</name>
    <message>
        <source>More tools</source>
        <translation>Flere verktøy</translation>
    </message>
</context>
<context>
    <name>WeekCalendarView</name>
    <message>
        <source>Week calendar</source>
        <translation>Ukekalender</translation>
    </message>
</context>
<context>
    <name>WindowProgram</name>
    <message>
        <source>The program cannot start: its window program is missing or damaged.

Reinstall %1. If the fault remains, give your support the details: %2</source>
        <translation>Programmet kan ikke starte: vindusprogrammet mangler eller er skadet.

Installer %1 på nytt. Hvis feilen består, gi brukerstøtten detaljene: %2</translation>
    </message>
</context>
<context>
    <name>cVkRecurringServices</name>
    <message>
        <source>%1 lies outside the years in which services can be planned, %2 to %3.</source>
        <translation>%1 ligger utenfor årene der gudstjenester kan planlegges, %2 til %3.</translation>
    </message>
    <message>
        <source>A date</source>
        <translation>En dato</translation>
    </message>
    <message>
        <source>%1 cannot be checked against the liturgy data: the liturgy database holds no calendar.</source>
        <translation>%1 kan ikke kontrolleres mot liturgidataene: liturgidatabasen har ingen kalender.</translation>
    </message>
    <message>
        <source>%1 lies outside the liturgy data, which covers %2 to %3.</source>
        <translation>%1 ligger utenfor liturgidataene, som dekker %2 til %3.</translation>
    </message>
    <message>
        <source>Changed:</source>
        <translation>Endret:</translation>
    </message>
    <message>
        <source>Planned:</source>
        <translation>Planlagt:</translation>
    </message>
    <message>
        <source>%1 %2 services, %3 to %4, %5</source>
        <translation>%1 %2 gudstjenester, %3 til %4, %5</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Fjernet: %1</translation>
    </message>
    <message>
        <source>the time &apos;%1&apos; is not a time of the form HH:MM</source>
        <translation>klokkeslettet &apos;%1&apos; er ikke et klokkeslett på formen TT:MM</translation>
    </message>
    <message>
        <source>the weekday %1 is not one of 1 (Monday) to 7 (Sunday)</source>
        <translation>ukedagen %1 er ikke en av 1 (mandag) til 7 (søndag)</translation>
    </message>
    <message>
        <source>the interval must be from 1 to %1 weeks, not %2</source>
        <translation>intervallet må være fra 1 til %1 uker, ikke %2</translation>
    </message>
    <message>
        <source>the number of services must be from 1 to %1, not %2</source>
        <translation>antallet gudstjenester må være fra 1 til %1, ikke %2</translation>
    </message>
    <message>
        <source>the series runs past the last date</source>
        <translation>serien går forbi den siste datoen</translation>
    </message>
    <message>
        <source>a series needs a last date or a number of services</source>
        <translation>en serie trenger en siste dato eller et antall gudstjenester</translation>
    </message>
    <message>
        <source>the last date %1 lies before the first date %2</source>
        <translation>den siste datoen %1 ligger før den første datoen %2</translation>
    </message>
    <message>
        <source>a series holds at most %1 services; this one would hold %2</source>
        <translation>en serie har høyst %1 gudstjenester; denne ville hatt %2</translation>
    </message>
    <message>
        <source>no such weekday lies from %1 to %2</source>
        <translation>ingen slik ukedag ligger fra %1 til %2</translation>
    </message>
</context>
<context>
    <name>cVoVoruzevUdadudar</name>
    <message>
        <source>the INI file &apos;%1&apos;</source>
        <translation>INI-filen &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the INI file &apos;%1&apos; is saved as UTF-16, which cannot be read; save it as UTF-8</source>
        <translation>INI-filen &apos;%1&apos; er lagret som UTF-16, som ikke kan leses; lagre den som UTF-8</translation>
    </message>
    <message>
        <source>the INI file &apos;%1&apos; names no liturgy database (LiturgyFile in [Files])</source>
        <translation>INI-filen &apos;%1&apos; nevner ingen liturgidatabase (LiturgyFile i [Files])</translation>
    </message>
</context>
<context>
    <name>fCreateOneService</name>
    <message>
        <source>Change Service</source>
        <translation>Endre gudstjeneste</translation>
    </message>
    <message>
        <source>New Service</source>
        <translation>Ny gudstjeneste</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Dato:</translation>
    </message>
</context>
<context>
    <name>fHoster</name>
    <message>
        <source>Liturgy calendar</source>
        <translation>Liturgisk kalender</translation>
    </message>
</context>
<context>
    <name>fRecurringServices</name>
    <message>
        <source>&amp;until</source>
        <translation>&amp;til og med</translation>
    </message>
    <message>
        <source>&amp;number of services</source>
        <translation>&amp;antall gudstjenester</translation>
    </message>
    <message>
        <source>Recurring Services</source>
        <translation>Faste gudstjenester</translation>
    </message>
    <message>
        <source> week(s)</source>
        <translation> uke(r)</translation>
    </message>
    <message>
        <source>&amp;Weekday:</source>
        <translation>&amp;Ukedag:</translation>
    </message>
    <message>
        <source>&amp;Every:</source>
        <translation>&amp;Hver:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Fra:</translation>
    </message>
    <message>
        <source>Up to:</source>
        <translation>Til:</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>kl. %1</translation>
    </message>
    <message>
        <source>1 service, %1</source>
        <translation>1 gudstjeneste, %1</translation>
    </message>
    <message>
        <source>%1 services, %2 to %3</source>
        <translation>%1 gudstjenester, %2 til %3</translation>
    </message>
</context>
<context>
    <name>fThisDay</name>
    <message>
        <source>Day page</source>
        <translation>Dagside</translation>
    </message>
</context>
</TS>
