<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CardWidgetBaseHeader</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>EXPAND</source>
        <translation>EXPANDIR</translation>
    </message>
    <message>
        <source>TITLE</source>
        <translation>TÍTULO</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtítulo</translation>
    </message>
</context>
<context>
    <name>CascadingListView</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::Accessibility</name>
    <message>
        <source>black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>gris oscuro</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>gris claro</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>rojo oscuro</translation>
    </message>
    <message>
        <source>crimson</source>
        <translation>carmesí</translation>
    </message>
    <message>
        <source>coral</source>
        <translation>coral</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>dorado</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>oliva</translation>
    </message>
    <message>
        <source>bright green</source>
        <translation>verde brillante</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>verde oscuro</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>verde azulado</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turquesa</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>sky blue</source>
        <translation>azul cielo</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>azul claro</translation>
    </message>
    <message>
        <source>royal blue</source>
        <translation>azul real</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>azul oscuro</translation>
    </message>
    <message>
        <source>navy</source>
        <translation>azul marino</translation>
    </message>
    <message>
        <source>indigo</source>
        <translation>índigo</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>morado</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>violeta</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrón</translation>
    </message>
    <message>
        <source>tan</source>
        <translation>tostado</translation>
    </message>
    <message>
        <source>beige</source>
        <translation>beige</translation>
    </message>
    <message>
        <source>no colour</source>
        <translation>ningún color</translation>
    </message>
    <message>
        <source>transparent</source>
        <translation>transparente</translation>
    </message>
    <message>
        <source>%1, %2% opaque</source>
        <translation>%1, %2 % opaco</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::Blinker</name>
    <message>
        <source>Needs attention</source>
        <translation>Requiere atención</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonConfig</name>
    <message>
        <source>Config</source>
        <translation>Configuración</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonDanger</name>
    <message>
        <source>Danger</source>
        <translation>Peligro</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonGroupWidget</name>
    <message>
        <source>Step %1 of %2, current</source>
        <translation>Paso %1 de %2, actual</translation>
    </message>
    <message>
        <source>Step %1 of %2, done</source>
        <translation>Paso %1 de %2, completado</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Paso %1 de %2</translation>
    </message>
    <message>
        <source>Workflow of 1 step</source>
        <translation>Flujo de trabajo de 1 paso</translation>
    </message>
    <message>
        <source>Workflow of %1 steps</source>
        <translation>Flujo de trabajo de %1 pasos</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonInfo</name>
    <message>
        <source>Info</source>
        <translation>Información</translation>
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
        <translation>Secundario</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonSuccess</name>
    <message>
        <source>Success</source>
        <translation>Éxito</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonTertiary</name>
    <message>
        <source>Tertiary</source>
        <translation>Terciario</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonWarning</name>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::CardWidgetBaseHeader</name>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::CascadingListView</name>
    <message>
        <source>Title%1</source>
        <translation>Título%1</translation>
    </message>
    <message>
        <source>1 level</source>
        <translation>1 nivel</translation>
    </message>
    <message>
        <source>%1 levels</source>
        <translation>%1 niveles</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::CascadingListViewPanelContainer</name>
    <message>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::CascadingListViewPanelPreview</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ColorButton</name>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ColormapRangeSlider</name>
    <message>
        <source>Colormap: %1</source>
        <translation>Mapa de colores: %1</translation>
    </message>
    <message>
        <source>Colormap range</source>
        <translation>Rango del mapa de colores</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ErrorCheckBox</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ErrorComboBox</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ErrorLineEdit</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ErrorState</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
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
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rango</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::SwitchCheckBox</name>
    <message>
        <source>On/off switch</source>
        <translation>Interruptor de encendido/apagado</translation>
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
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>UserConnector</source>
        <translation>UserConnector</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Signed in; opens a menu to log out</source>
        <translation>Sesión iniciada; abre un menú para cerrar sesión</translation>
    </message>
</context>
</TS>
