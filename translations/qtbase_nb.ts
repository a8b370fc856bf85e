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
</TS>
