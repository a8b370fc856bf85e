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
        <source>Choose from a calendar (Alt+Down)</source>
        <translation>Velg i en kalender (Alt+Pil ned)</translation>
    </message>
    <message>
        <source>Choose from a calendar</source>
        <translation>Velg i en kalender</translation>
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
        <source>Type the time as 19:30 or 1930.</source>
        <translation>Skriv klokkeslettet som 19:30 eller 1930.</translation>
    </message>
    <message>
        <source>Choose or type the kind of service.</source>
        <translation>Velg eller skriv typen gudstjeneste.</translation>
    </message>
    <message>
        <source>Type the date as %1 or %2.</source>
        <translation>Skriv datoen som %1 eller %2.</translation>
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
