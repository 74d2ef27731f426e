<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CardWidgetBaseHeader</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>EXPAND</source>
        <translation>DÉPLIER</translation>
    </message>
    <message>
        <source>TITLE</source>
        <translation>TITRE</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sous-titre</translation>
    </message>
</context>
<context>
    <name>CascadingListView</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::Accessibility</name>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>gris foncé</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>gris clair</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>rouge foncé</translation>
    </message>
    <message>
        <source>crimson</source>
        <translation>cramoisi</translation>
    </message>
    <message>
        <source>coral</source>
        <translation>corail</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>or</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>olive</translation>
    </message>
    <message>
        <source>bright green</source>
        <translation>vert vif</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>vert foncé</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>bleu sarcelle</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turquoise</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>sky blue</source>
        <translation>bleu ciel</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>bleu clair</translation>
    </message>
    <message>
        <source>royal blue</source>
        <translation>bleu roi</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>bleu foncé</translation>
    </message>
    <message>
        <source>navy</source>
        <translation>bleu marine</translation>
    </message>
    <message>
        <source>indigo</source>
        <translation>indigo</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>pourpre</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rose</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marron</translation>
    </message>
    <message>
        <source>tan</source>
        <translation>fauve</translation>
    </message>
    <message>
        <source>beige</source>
        <translation>beige</translation>
    </message>
    <message>
        <source>no colour</source>
        <translation>aucune couleur</translation>
    </message>
    <message>
        <source>transparent</source>
        <translation>transparent</translation>
    </message>
    <message>
        <source>%1, %2% opaque</source>
        <translation>%1, opaque à %2 %</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::Blinker</name>
    <message>
        <source>Needs attention</source>
        <translation>Demande votre attention</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonConfig</name>
    <message>
        <source>Config</source>
        <translation>Configuration</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonDanger</name>
    <message>
        <source>Danger</source>
        <translation>Danger</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonGroupWidget</name>
    <message>
        <source>Step %1 of %2, current</source>
        <translation>Étape %1 sur %2, en cours</translation>
    </message>
    <message>
        <source>Step %1 of %2, done</source>
        <translation>Étape %1 sur %2, terminée</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Étape %1 sur %2</translation>
    </message>
    <message>
        <source>Workflow of 1 step</source>
        <translation>Flux de travail en 1 étape</translation>
    </message>
    <message>
        <source>Workflow of %1 steps</source>
        <translation>Flux de travail en %1 étapes</translation>
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
        <translation>Principal</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonSecondary</name>
    <message>
        <source>Secondary</source>
        <translation>Secondaire</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonSuccess</name>
    <message>
        <source>Success</source>
        <translation>Succès</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonTertiary</name>
    <message>
        <source>Tertiary</source>
        <translation>Tertiaire</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonWarning</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::CardWidgetBaseHeader</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::CascadingListView</name>
    <message>
        <source>Title%1</source>
        <translation>Titre%1</translation>
    </message>
    <message>
        <source>1 level</source>
        <translation>1 niveau</translation>
    </message>
    <message>
        <source>%1 levels</source>
        <translation>%1 niveaux</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::CascadingListViewPanelContainer</name>
    <message>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::CascadingListViewPanelPreview</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ColorButton</name>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ColormapRangeSlider</name>
    <message>
        <source>Colormap: %1</source>
        <translation>Palette de couleurs : %1</translation>
    </message>
    <message>
        <source>Colormap range</source>
        <translation>Plage de la palette de couleurs</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ErrorCheckBox</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ErrorComboBox</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ErrorLineEdit</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ErrorState</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erreur : %1</translation>
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
        <translation>Plage</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::SwitchCheckBox</name>
    <message>
        <source>On/off switch</source>
        <translation>Interrupteur marche/arrêt</translation>
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
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>UserConnector</source>
        <translation>UserConnector</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Signed in; opens a menu to log out</source>
        <translation>Connecté ; ouvre un menu pour se déconnecter</translation>
    </message>
</context>
</TS>
