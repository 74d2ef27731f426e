<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CardWidgetBaseHeader</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>EXPAND</source>
        <translation>AUFKLAPPEN</translation>
    </message>
    <message>
        <source>TITLE</source>
        <translation>TITEL</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Untertitel</translation>
    </message>
</context>
<context>
    <name>CascadingListView</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::Accessibility</name>
    <message>
        <source>black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>white</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>crimson</source>
        <translation>Karmesinrot</translation>
    </message>
    <message>
        <source>coral</source>
        <translation>Korallenrot</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>bright green</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>Petrol</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>sky blue</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>royal blue</source>
        <translation>Königsblau</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>Purpur</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>tan</source>
        <translation>Gelbbraun</translation>
    </message>
    <message>
        <source>beige</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>no colour</source>
        <translation>keine Farbe</translation>
    </message>
    <message>
        <source>transparent</source>
        <translation>transparent</translation>
    </message>
    <message>
        <source>%1, %2% opaque</source>
        <translation>%1, %2 % deckend</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::Blinker</name>
    <message>
        <source>Needs attention</source>
        <translation>Erfordert Aufmerksamkeit</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonConfig</name>
    <message>
        <source>Config</source>
        <translation>Konfiguration</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonDanger</name>
    <message>
        <source>Danger</source>
        <translation>Gefahr</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonGroupWidget</name>
    <message>
        <source>Step %1 of %2, current</source>
        <translation>Schritt %1 von %2, aktuell</translation>
    </message>
    <message>
        <source>Step %1 of %2, done</source>
        <translation>Schritt %1 von %2, erledigt</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Schritt %1 von %2</translation>
    </message>
    <message>
        <source>Workflow of 1 step</source>
        <translation>Arbeitsablauf mit 1 Schritt</translation>
    </message>
    <message>
        <source>Workflow of %1 steps</source>
        <translation>Arbeitsablauf mit %1 Schritten</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonInfo</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonPrimary</name>
    <message>
        <source>Primary</source>
        <translation>Primär</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonSecondary</name>
    <message>
        <source>Secondary</source>
        <translation>Sekundär</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonSuccess</name>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonTertiary</name>
    <message>
        <source>Tertiary</source>
        <translation>Tertiär</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonWarning</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::CardWidgetBaseHeader</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::CascadingListView</name>
    <message>
        <source>Title%1</source>
        <translation>Titel%1</translation>
    </message>
    <message>
        <source>1 level</source>
        <translation>1 Ebene</translation>
    </message>
    <message>
        <source>%1 levels</source>
        <translation>%1 Ebenen</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::CascadingListViewPanelContainer</name>
    <message>
        <source>Level %1</source>
        <translation>Ebene %1</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::CascadingListViewPanelPreview</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ColorButton</name>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ColormapRangeSlider</name>
    <message>
        <source>Colormap: %1</source>
        <translation>Farbskala: %1</translation>
    </message>
    <message>
        <source>Colormap range</source>
        <translation>Farbskalenbereich</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ErrorCheckBox</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ErrorComboBox</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ErrorLineEdit</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ErrorState</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::PushButtonBlink</name>
    <message>
        <source>PushButtonBlink</source>
        <translation>PushButtonBlink</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::PushButtonCircular</name>
    <message>
        <source>PushButtonCircular</source>
        <translation>PushButtonCircular</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::PushButtonHighlighted</name>
    <message>
        <source>PushButtonHighlighted</source>
        <translation>PushButtonHighlighted</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::RangeSlider</name>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereich</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::SwitchCheckBox</name>
    <message>
        <source>On/off switch</source>
        <translation>Ein/Aus-Schalter</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ToolButtonCircular</name>
    <message>
        <source>ToolButtonCircular</source>
        <translation>ToolButtonCircular</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ToolButtonHighlighted</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::UserConnector</name>
    <message>
        <source>Log Out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>UserConnector</source>
        <translation>UserConnector</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Signed in; opens a menu to log out</source>
        <translation>Angemeldet; öffnet ein Menü zum Abmelden</translation>
    </message>
</context>
</TS>
