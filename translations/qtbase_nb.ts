<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
    <context>
        <name>QPlatformTheme</name>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Avbryt</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Ja</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>&amp;Nei</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Lagre</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Lukk</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Bruk</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Hjelp</translation>
        </message>
        <message>
            <source>Discard</source>
            <translation>Forkast</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>Ja til &amp;alle</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>N&amp;ei til alle</translation>
        </message>
        <message>
            <source>Abort</source>
            <translation>Avbryt</translation>
        </message>
        <message>
            <source>Retry</source>
            <translation>Prøv igjen</translation>
        </message>
        <message>
            <source>Ignore</source>
            <translation>Ignorer</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Tilbakestill</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Åpne</translation>
        </message>
        <message>
            <source>Save All</source>
            <translation>Lagre alle</translation>
        </message>
        <message>
            <source>Restore Defaults</source>
            <translation>Gjenopprett standardverdier</translation>
        </message>
        <message>
            <source>Don't Save</source>
            <translation>Ikke lagre</translation>
        </message>
    </context>
    <context>
        <name>QMessageBox</name>
        <message>
            <source>Show Details...</source>
            <translation>Vis detaljer...</translation>
        </message>
        <message>
            <source>Hide Details...</source>
            <translation>Skjul detaljer...</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Hjelp</translation>
        </message>
    </context>
    <context>
        <name>QPrintPreviewDialog</name>
        <message>
            <source>Print Preview</source>
            <translation>Forhåndsvisning</translation>
        </message>
        <message>
            <source>Next page</source>
            <translation>Neste side</translation>
        </message>
        <message>
            <source>Previous page</source>
            <translation>Forrige side</translation>
        </message>
        <message>
            <source>First page</source>
            <translation>Første side</translation>
        </message>
        <message>
            <source>Last page</source>
            <translation>Siste side</translation>
        </message>
        <message>
            <source>Fit width</source>
            <translation>Tilpass bredde</translation>
        </message>
        <message>
            <source>Fit page</source>
            <translation>Tilpass side</translation>
        </message>
        <message>
            <source>Zoom in</source>
            <translation>Zoom inn</translation>
        </message>
        <message>
            <source>Zoom out</source>
            <translation>Zoom ut</translation>
        </message>
        <message>
            <source>Portrait</source>
            <translation>Stående</translation>
        </message>
        <message>
            <source>Landscape</source>
            <translation>Liggende</translation>
        </message>
        <message>
            <source>Show single page</source>
            <translation>Vis én side</translation>
        </message>
        <message>
            <source>Show facing pages</source>
            <translation>Vis motstående sider</translation>
        </message>
        <message>
            <source>Show overview of all pages</source>
            <translation>Vis oversikt over alle sider</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>Skriv ut</translation>
        </message>
        <message>
            <source>Page setup</source>
            <translation>Sideoppsett</translation>
        </message>
        <message>
            <source>Export to PDF</source>
            <translation>Eksporter til PDF</translation>
        </message>
        <message>
            <source>Page Setup</source>
            <translation>Sideoppsett</translation>
        </message>
        <message>
            <source>%1%</source>
            <translation>%1%</translation>
        </message>
    </context>
    <context>
        <name>QLineEdit</name>
        <message>
            <source>&amp;Undo</source>
            <translation>&amp;Angre</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translation>&amp;Gjør om</translation>
        </message>
        <message>
            <source>Cu&amp;t</source>
            <translation>Klipp &amp;ut</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translation>&amp;Kopier</translation>
        </message>
        <message>
            <source>&amp;Paste</source>
            <translation>&amp;Lim inn</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Slett</translation>
        </message>
        <message>
            <source>Select All</source>
            <translation>Merk alt</translation>
        </message>
    </context>
    <context>
        <name>QWidgetTextControl</name>
        <message>
            <source>&amp;Copy</source>
            <translation>&amp;Kopier</translation>
        </message>
        <message>
            <source>Copy &amp;Link Location</source>
            <translation>Kopier &amp;lenkeadresse</translation>
        </message>
        <message>
            <source>Select All</source>
            <translation>Merk alt</translation>
        </message>
    </context>
    <context>
        <name>QPageSetupWidget</name>
        <message>
            <source>Paper</source>
            <translation>Papir</translation>
        </message>
        <message>
            <source>Page size:</source>
            <translation>Sidestørrelse:</translation>
        </message>
        <message>
            <source>Width:</source>
            <translation>Bredde:</translation>
        </message>
        <message>
            <source>Height:</source>
            <translation>Høyde:</translation>
        </message>
        <message>
            <source>Paper source:</source>
            <translation>Papirkilde:</translation>
        </message>
        <message>
            <source>Orientation</source>
            <translation>Retning</translation>
        </message>
        <message>
            <source>Portrait</source>
            <translation>Stående</translation>
        </message>
        <message>
            <source>Landscape</source>
            <translation>Liggende</translation>
        </message>
        <message>
            <source>Reverse landscape</source>
            <translation>Omvendt liggende</translation>
        </message>
        <message>
            <source>Reverse portrait</source>
            <translation>Omvendt stående</translation>
        </message>
        <message>
            <source>Margins</source>
            <translation>Marger</translation>
        </message>
        <message>
            <source>top margin</source>
            <translation>toppmarg</translation>
        </message>
        <message>
            <source>left margin</source>
            <translation>venstremarg</translation>
        </message>
        <message>
            <source>right margin</source>
            <translation>høyremarg</translation>
        </message>
        <message>
            <source>bottom margin</source>
            <translation>bunnmarg</translation>
        </message>
        <message>
            <source>Page Layout</source>
            <translation>Sideoppsett</translation>
        </message>
        <message>
            <source>Page order:</source>
            <translation>Siderekkefølge:</translation>
        </message>
        <message>
            <source>Pages per sheet:</source>
            <translation>Sider per ark:</translation>
        </message>
        <message>
            <source>Custom</source>
            <translation>Egendefinert</translation>
        </message>
        <message>
            <source>Millimeters (mm)</source>
            <translation>Millimeter (mm)</translation>
        </message>
        <message>
            <source>Inches (in)</source>
            <translation>Tommer (in)</translation>
        </message>
        <message>
            <source>Points (pt)</source>
            <translation>Punkter (pt)</translation>
        </message>
    </context>
    <context>
        <name>QPageSetupDialog</name>
        <message>
            <source>Page Setup</source>
            <translation>Sideoppsett</translation>
        </message>
    </context>
    <context>
        <name>QTabBar</name>
        <message>
            <source>Close Tab</source>
            <translation>Lukk fanen</translation>
        </message>
    </context>
    <context>
        <name>QPrintDialog</name>
        <message>
            <source>Print</source>
            <translation>Skriv ut</translation>
        </message>
        <message>
            <source>&amp;Print</source>
            <translation>&amp;Skriv ut</translation>
        </message>
        <message>
            <source>&amp;Options &gt;&gt;</source>
            <translation>&amp;Alternativer &gt;&gt;</translation>
        </message>
        <message>
            <source>&amp;Options &lt;&lt;</source>
            <translation>&amp;Alternativer &lt;&lt;</translation>
        </message>
        <message>
            <source>Print to File (PDF)</source>
            <translation>Skriv til fil (PDF)</translation>
        </message>
        <message>
            <source>Local file</source>
            <translation>Lokal fil</translation>
        </message>
        <message>
            <source>Write PDF file</source>
            <translation>Skriv PDF-fil</translation>
        </message>
        <message>
            <source>Print To File ...</source>
            <translation>Skriv til fil ...</translation>
        </message>
        <message>
            <source>Invalid Pages Definition</source>
            <translation>Ugyldig sideangivelse</translation>
        </message>
        <message>
            <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
            <translation>%1 følger ikke riktig syntaks. Bruk &apos;,&apos; mellom områder og sider, &apos;-&apos; for å angi områder, og pass på at områdene ikke overlapper hverandre.</translation>
        </message>
        <message>
            <source>%1 already exists.
Do you want to overwrite it?</source>
            <translation>%1 finnes allerede.
Vil du overskrive den?</translation>
        </message>
        <message>
            <source>File exists</source>
            <translation>Filen finnes</translation>
        </message>
        <message>
            <source>%1 is a directory.
Please choose a different file name.</source>
            <translation>%1 er en mappe.
Velg et annet filnavn.</translation>
        </message>
        <message>
            <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
            <translation>Verdien &apos;Fra&apos; kan ikke være større enn verdien &apos;Til&apos;.</translation>
        </message>
        <message>
            <source>A4</source>
            <translation>A4</translation>
        </message>
        <message>
            <source>Automatic</source>
            <translation>Automatisk</translation>
        </message>
        <message>
            <source>All Pages</source>
            <translation>Alle sider</translation>
        </message>
        <message>
            <source>Odd Pages</source>
            <translation>Oddetallssider</translation>
        </message>
        <message>
            <source>Even Pages</source>
            <translation>Partallssider</translation>
        </message>
    </context>
    <context>
        <name>QPrintWidget</name>
        <message>
            <source>Printer</source>
            <translation>Skriver</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>&amp;Navn:</translation>
        </message>
        <message>
            <source>P&amp;roperties</source>
            <translation>&amp;Egenskaper</translation>
        </message>
        <message>
            <source>Location:</source>
            <translation>Plassering:</translation>
        </message>
        <message>
            <source>Preview</source>
            <translation>Forhåndsvisning</translation>
        </message>
        <message>
            <source>Type:</source>
            <translation>Type:</translation>
        </message>
        <message>
            <source>Output &amp;file:</source>
            <translation>Utdata&amp;fil:</translation>
        </message>
        <message>
            <source>...</source>
            <translation>...</translation>
        </message>
    </context>
    <context>
        <name>QPrintSettingsOutput</name>
        <message>
            <source>Copies</source>
            <translation>Kopier</translation>
        </message>
        <message>
            <source>Print range</source>
            <translation>Utskriftsområde</translation>
        </message>
        <message>
            <source>Print all</source>
            <translation>Skriv ut alt</translation>
        </message>
        <message>
            <source>Pages from</source>
            <translation>Sider fra</translation>
        </message>
        <message>
            <source>to</source>
            <translation>til</translation>
        </message>
        <message>
            <source>Pages</source>
            <translation>Sider</translation>
        </message>
        <message>
            <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
            <translation>Angi sider eller områder atskilt med komma. Et område er to tall med bindestrek mellom. For eksempel skriver 3,5-7,9 ut sidene 3, 5, 6, 7 og 9.</translation>
        </message>
        <message>
            <source>Current Page</source>
            <translation>Gjeldende side</translation>
        </message>
        <message>
            <source>Selection</source>
            <translation>Utvalg</translation>
        </message>
        <message>
            <source>Page Set:</source>
            <translation>Sidesett:</translation>
        </message>
        <message>
            <source>Output Settings</source>
            <translation>Utdatainnstillinger</translation>
        </message>
        <message>
            <source>Copies:</source>
            <translation>Kopier:</translation>
        </message>
        <message>
            <source>Collate</source>
            <translation>Sorter</translation>
        </message>
        <message>
            <source>Reverse</source>
            <translation>Omvendt</translation>
        </message>
        <message>
            <source>Options</source>
            <translation>Alternativer</translation>
        </message>
        <message>
            <source>Color Mode</source>
            <translation>Fargemodus</translation>
        </message>
        <message>
            <source>Color</source>
            <translation>Farge</translation>
        </message>
        <message>
            <source>Grayscale</source>
            <translation>Gråtoner</translation>
        </message>
        <message>
            <source>Double Sided Printing</source>
            <translation>Tosidig utskrift</translation>
        </message>
        <message>
            <source>Duplex Printing</source>
            <translation>Tosidig utskrift</translation>
        </message>
        <message>
            <source>Off</source>
            <translation>Av</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Ingen</translation>
        </message>
        <message>
            <source>Long side binding</source>
            <translation>Innbinding på langsiden</translation>
        </message>
        <message>
            <source>Short side binding</source>
            <translation>Innbinding på kortsiden</translation>
        </message>
        <message>
            <source>Long side</source>
            <translation>Langsiden</translation>
        </message>
        <message>
            <source>Short side</source>
            <translation>Kortsiden</translation>
        </message>
    </context>
    <context>
        <name>QPrintPropertiesWidget</name>
        <message>
            <source>Page</source>
            <translation>Side</translation>
        </message>
        <message>
            <source>Advanced</source>
            <translation>Avansert</translation>
        </message>
    </context>
    <context>
        <name>QPrintPropertiesDialog</name>
        <message>
            <source>Printer Properties</source>
            <translation>Skriveregenskaper</translation>
        </message>
        <message>
            <source>Job Options</source>
            <translation>Jobbalternativer</translation>
        </message>
        <message>
            <source>Page Setup Conflicts</source>
            <translation>Konflikter i sideoppsettet</translation>
        </message>
        <message>
            <source>There are conflicts in page setup options. Do you want to fix them?</source>
            <translation>Sideoppsettet har motstridende valg. Vil du rette dem?</translation>
        </message>
    </context>
    <context>
        <name>QFileDialog</name>
        <message>
            <source>Look in:</source>
            <translation>Se i:</translation>
        </message>
        <message>
            <source>File &amp;name:</source>
            <translation>Fil&amp;navn:</translation>
        </message>
        <message>
            <source>Directory:</source>
            <translation>Mappe:</translation>
        </message>
        <message>
            <source>Files of type:</source>
            <translation>Filtype:</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Lagre</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>&amp;Åpne</translation>
        </message>
        <message>
            <source>&amp;Choose</source>
            <translation>&amp;Velg</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>Go back</source>
            <translation>Gå tilbake</translation>
        </message>
        <message>
            <source>Forward</source>
            <translation>Fremover</translation>
        </message>
        <message>
            <source>Go forward</source>
            <translation>Gå fremover</translation>
        </message>
        <message>
            <source>Parent Directory</source>
            <translation>Overordnet mappe</translation>
        </message>
        <message>
            <source>Go to the parent directory</source>
            <translation>Gå til overordnet mappe</translation>
        </message>
        <message>
            <source>Create New Folder</source>
            <translation>Opprett ny mappe</translation>
        </message>
        <message>
            <source>Create a New Folder</source>
            <translation>Opprett en ny mappe</translation>
        </message>
        <message>
            <source>List View</source>
            <translation>Listevisning</translation>
        </message>
        <message>
            <source>Change to list view mode</source>
            <translation>Bytt til listevisning</translation>
        </message>
        <message>
            <source>Detail View</source>
            <translation>Detaljvisning</translation>
        </message>
        <message>
            <source>Change to detail view mode</source>
            <translation>Bytt til detaljvisning</translation>
        </message>
        <message>
            <source>Sidebar</source>
            <translation>Sidepanel</translation>
        </message>
        <message>
            <source>List of places and bookmarks</source>
            <translation>Liste over steder og bokmerker</translation>
        </message>
        <message>
            <source>Files</source>
            <translation>Filer</translation>
        </message>
        <message>
            <source>New Folder</source>
            <translation>Ny mappe</translation>
        </message>
        <message>
            <source>&amp;New Folder</source>
            <translation>&amp;Ny mappe</translation>
        </message>
        <message>
            <source>&amp;Rename</source>
            <translation>&amp;Gi nytt navn</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Slett</translation>
        </message>
        <message>
            <source>Show &amp;hidden files</source>
            <translation>Vis &amp;skjulte filer</translation>
        </message>
        <message>
            <source>Show </source>
            <translation>Vis </translation>
        </message>
        <message>
            <source>%1 already exists.
Do you want to replace it?</source>
            <translation>%1 finnes allerede.
Vil du erstatte den?</translation>
        </message>
        <message>
            <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
            <translation>%1
Fant ikke mappen.
Kontroller at riktig mappenavn ble oppgitt.</translation>
        </message>
    </context>
    <context>
        <name>QFileSystemModel</name>
        <message>
            <source>Name</source>
            <translation>Navn</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Størrelse</translation>
        </message>
        <message>
            <source>Type</source>
            <comment>All other platforms</comment>
            <translation>Type</translation>
        </message>
        <message>
            <source>Date Modified</source>
            <translation>Endret</translation>
        </message>
        <message>
            <source>Computer</source>
            <translation>Datamaskin</translation>
        </message>
    </context>
    <context>
        <name>QAbstractFileIconProvider</name>
        <message>
            <source>Folder</source>
            <comment>All other platforms</comment>
            <translation>Mappe</translation>
        </message>
        <message>
            <source>File</source>
            <comment>All other platforms</comment>
            <translation>Fil</translation>
        </message>
    </context>
</TS>
