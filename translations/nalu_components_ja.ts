<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CardWidgetBaseHeader</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>EXPAND</source>
        <translation>展開</translation>
    </message>
    <message>
        <source>TITLE</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>サブタイトル</translation>
    </message>
</context>
<context>
    <name>CascadingListView</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::Accessibility</name>
    <message>
        <source>black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>white</source>
        <translation>白</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>濃い灰色</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>薄い灰色</translation>
    </message>
    <message>
        <source>red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>dark red</source>
        <translation>濃い赤</translation>
    </message>
    <message>
        <source>crimson</source>
        <translation>深紅</translation>
    </message>
    <message>
        <source>coral</source>
        <translation>コーラル</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>金色</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>オリーブ</translation>
    </message>
    <message>
        <source>bright green</source>
        <translation>明るい緑</translation>
    </message>
    <message>
        <source>green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>濃い緑</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>ティール</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>ターコイズ</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>シアン</translation>
    </message>
    <message>
        <source>sky blue</source>
        <translation>空色</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>水色</translation>
    </message>
    <message>
        <source>royal blue</source>
        <translation>ロイヤルブルー</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>濃い青</translation>
    </message>
    <message>
        <source>navy</source>
        <translation>紺</translation>
    </message>
    <message>
        <source>indigo</source>
        <translation>藍色</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>紫</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>すみれ色</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>マゼンタ</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>ピンク</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>茶色</translation>
    </message>
    <message>
        <source>tan</source>
        <translation>淡い茶色</translation>
    </message>
    <message>
        <source>beige</source>
        <translation>ベージュ</translation>
    </message>
    <message>
        <source>no colour</source>
        <translation>色なし</translation>
    </message>
    <message>
        <source>transparent</source>
        <translation>透明</translation>
    </message>
    <message>
        <source>%1, %2% opaque</source>
        <translation>%1、不透明度 %2%</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::Blinker</name>
    <message>
        <source>Needs attention</source>
        <translation>要確認</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonConfig</name>
    <message>
        <source>Config</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonDanger</name>
    <message>
        <source>Danger</source>
        <translation>危険</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonGroupWidget</name>
    <message>
        <source>Step %1 of %2, current</source>
        <translation>ステップ %1/%2、現在</translation>
    </message>
    <message>
        <source>Step %1 of %2, done</source>
        <translation>ステップ %1/%2、完了</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>ステップ %1/%2</translation>
    </message>
    <message>
        <source>Workflow of 1 step</source>
        <translation>1 ステップのワークフロー</translation>
    </message>
    <message>
        <source>Workflow of %1 steps</source>
        <translation>%1 ステップのワークフロー</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonInfo</name>
    <message>
        <source>Info</source>
        <translation>情報</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonPrimary</name>
    <message>
        <source>Primary</source>
        <translation>プライマリ</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonSecondary</name>
    <message>
        <source>Secondary</source>
        <translation>セカンダリ</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonSuccess</name>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonTertiary</name>
    <message>
        <source>Tertiary</source>
        <translation>ターシャリ</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ButtonWarning</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::CardWidgetBaseHeader</name>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::CascadingListView</name>
    <message>
        <source>Title%1</source>
        <translation>タイトル%1</translation>
    </message>
    <message>
        <source>1 level</source>
        <translation>1 階層</translation>
    </message>
    <message>
        <source>%1 levels</source>
        <translation>%1 階層</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::CascadingListViewPanelContainer</name>
    <message>
        <source>Level %1</source>
        <translation>階層 %1</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::CascadingListViewPanelPreview</name>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ColorButton</name>
    <message>
        <source>Colour</source>
        <translation>色</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ColormapRangeSlider</name>
    <message>
        <source>Colormap: %1</source>
        <translation>カラーマップ: %1</translation>
    </message>
    <message>
        <source>Colormap range</source>
        <translation>カラーマップの範囲</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ErrorCheckBox</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ErrorComboBox</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ErrorLineEdit</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::ErrorState</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>エラー: %1</translation>
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
        <translation>最小</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>範囲</translation>
    </message>
</context>
<context>
    <name>Nalu::Components::SwitchCheckBox</name>
    <message>
        <source>On/off switch</source>
        <translation>オン/オフ スイッチ</translation>
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
        <translation>ログアウト</translation>
    </message>
    <message>
        <source>UserConnector</source>
        <translation>UserConnector</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>Signed in; opens a menu to log out</source>
        <translation>ログイン済み。ログアウト用のメニューを開きます</translation>
    </message>
</context>
</TS>
