<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<!--
Glossary (English = ja); later texts follow it:
  Animate = アニメーション
  Annotate mode = 注釈モード
  annotation = 注釈
  application = アプリ
  Before / After = 施術前 / 施術後
  brush = ブラシ
  canvas = キャンバス
  Comparison = 比較
  comparison labels = 比較ラベル
  contact information = 連絡先情報
  crash report = クラッシュレポート
  crop = トリミング
  deformation = 変形
  editing canvas = 編集キャンバス
  editor = エディター
  Eraser = 消しゴム
  feedback = フィードバック
  file manager = ファイルマネージャー
  Fit = 全体表示
  Grow = 膨張
  inspector = インスペクター
  label (watermark label) = ラベル
  Open With… = 別のアプリで開く…
  Original = オリジナル
  Output = 出力
  Pictures (folder) = 画像フォルダー
  Print = 印刷
  Push = プッシュ
  Reconstruct = 復元
  redo = やり直す
  reset = リセット
  reshape = 変形
  Save images = 画像を保存
  Save video = 動画を保存
  Settings = 設定
  Settings (named in a sentence) = 「設定」
  Share = 共有
  Shrink = 収縮
  Simulation = シミュレーション
  source image = ソース画像
  Spacebar = スペースキー
  still image = 静止画
  tab = タブ
  undo = 元に戻す
  video = 動画
  watermark = 透かし
  zoom = ズーム
  Zoom In / Zoom Out = 拡大 / 縮小
  Zoom in / Zoom out (verbs) = 拡大 / 縮小
  zoomed image = 拡大した画像
-->
<context>
    <name>Veltrano</name>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1バイト</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 · JPEG</source>
        <translation>%1 · JPEG</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message>
        <source>%1 — Unavailable - Remove</source>
        <translation>%1 — 利用不可 - 削除</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation>%1、%2 pt</translation>
    </message>
    <message>
        <source>%1, %2 pt, italic</source>
        <translation>%1、%2 pt、斜体</translation>
    </message>
    <message>
        <source>%1, mirrored</source>
        <translation>%1、反転</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1バイト</translation>
    </message>
    <message>
        <source>3 SHORTCUTS WORTH KNOWING</source>
        <translation>覚えておきたい3つのショートカット</translation>
    </message>
    <message>
        <source>About Veltrano</source>
        <translation>Veltranoについて</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>実際のサイズ</translation>
    </message>
    <message>
        <source>Add an Original or Simulation label to enable this option.</source>
        <translation>このオプションを有効にするには、オリジナルまたはシミュレーションのラベルを追加してください。</translation>
    </message>
    <message>
        <source>Add contact information to enable this option.</source>
        <translation>このオプションを有効にするには、連絡先情報を追加してください。</translation>
    </message>
    <message>
        <source>Add mid-face volume for a filler-like fullness.</source>
        <translation>中顔面にボリュームを加え、フィラーのようなふくらみを表現します。</translation>
    </message>
    <message>
        <source>Add multiline text to the Simulation (T)</source>
        <translation>シミュレーションに複数行のテキストを追加（T）</translation>
    </message>
    <message>
        <source>Add multiline text to the Simulation.</source>
        <translation>シミュレーションに複数行のテキストを追加します。</translation>
    </message>
    <message>
        <source>Add projection and roundness for an augmentation effect.</source>
        <translation>突出感と丸みを加えて増大効果を表現します。</translation>
    </message>
    <message>
        <source>Add text</source>
        <translation>テキストを追加</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>住所</translation>
    </message>
    <message>
        <source>Adjust brush size</source>
        <translation>ブラシサイズを調整</translation>
    </message>
    <message>
        <source>Adjust brush size (Alt + two-finger scroll or mouse wheel)</source>
        <translation>ブラシサイズを調整（Alt + 2本指スクロールまたはマウスホイール）</translation>
    </message>
    <message>
        <source>All shortcuts</source>
        <translation>すべてのショートカット</translation>
    </message>
    <message>
        <source>All three tabs (3 pages)</source>
        <translation>3つのタブすべて（3ページ）</translation>
    </message>
    <message>
        <source>All three tabs — saves 3 files</source>
        <translation>3つのタブすべて — 3ファイルを保存</translation>
    </message>
    <message>
        <source>Alt + 2-finger scroll
or mouse wheel</source>
        <translation>Alt + 2本指スクロール
またはマウスホイール</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>アニメーション</translation>
    </message>
    <message>
        <source>Animation video could not be saved. %1</source>
        <translation>アニメーション動画を保存できませんでした。%1</translation>
    </message>
    <message>
        <source>Animation video export was cancelled, but cleanup needs attention.</source>
        <translation>アニメーション動画の書き出しはキャンセルされましたが、後処理の確認が必要です。</translation>
    </message>
    <message>
        <source>Animation video requires an editing canvas at least 2 × 2 pixels.</source>
        <translation>アニメーション動画には2 × 2ピクセル以上の編集キャンバスが必要です。</translation>
    </message>
    <message>
        <source>Annotate</source>
        <translation>注釈</translation>
    </message>
    <message>
        <source>Annotate mode</source>
        <translation>注釈モード</translation>
    </message>
    <message>
        <source>Annotation eraser tool</source>
        <translation>注釈消しゴムツール</translation>
    </message>
    <message>
        <source>Annotation tools</source>
        <translation>注釈ツール</translation>
    </message>
    <message>
        <source>Any existing file at this destination was left unchanged.</source>
        <translation>この保存先にある既存のファイルは変更されていません。</translation>
    </message>
    <message>
        <source>Arms</source>
        <translation>腕</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Automatically adapts both saved-image size limits to the current image dimensions.</source>
        <translation>保存画像の2つのサイズ上限を、現在の画像サイズに合わせて自動的に調整します。</translation>
    </message>
    <message>
        <source>BRUSH</source>
        <translation>ブラシ</translation>
    </message>
    <message>
        <source>BRUSH SIZE</source>
        <translation>ブラシサイズ</translation>
    </message>
    <message>
        <source>Backspace or Delete</source>
        <translation>BackspaceまたはDelete</translation>
    </message>
    <message>
        <source>Balance editing responsiveness and resource use on this computer.</source>
        <translation>このコンピューターでの編集の応答性とリソース使用量のバランスを調整します。</translation>
    </message>
    <message>
        <source>Base filename (e.g., patient&apos;s name)</source>
        <translation>ベースファイル名（例：患者名）</translation>
    </message>
    <message>
        <source>Breast</source>
        <translation>胸</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>参照…</translation>
    </message>
    <message>
        <source>Brush over a changed area to progressively return it toward the Original, without resetting the rest of the simulation.</source>
        <translation>変更した領域をブラシでなぞると、シミュレーションの他の部分をリセットせずに、その領域を徐々にオリジナルに戻します。</translation>
    </message>
    <message>
        <source>Buttocks</source>
        <translation>臀部</translation>
    </message>
    <message>
        <source>CROP · SOURCE IMAGE</source>
        <translation>トリミング · ソース画像</translation>
    </message>
    <message>
        <source>Calves</source>
        <translation>ふくらはぎ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancel an incomplete action or clear the annotation selection</source>
        <translation>未完了の操作をキャンセル、または注釈の選択を解除</translation>
    </message>
    <message>
        <source>Cancel closing Veltrano</source>
        <translation>Veltranoを閉じるのをキャンセル</translation>
    </message>
    <message>
        <source>Cancel opening another image</source>
        <translation>別の画像を開くのをキャンセル</translation>
    </message>
    <message>
        <source>Cancelling video save…</source>
        <translation>動画の保存をキャンセルしています…</translation>
    </message>
    <message>
        <source>Canvas size</source>
        <translation>キャンバスサイズ</translation>
    </message>
    <message>
        <source>Center and fit the complete image</source>
        <translation>画像全体を中央に合わせて表示</translation>
    </message>
    <message>
        <source>Center and fit the complete image (F)</source>
        <translation>画像全体を中央に合わせて表示（F）</translation>
    </message>
    <message>
        <source>Changes made here are also saved in Settings, even if image saving is cancelled.</source>
        <translation>ここで行った変更は、画像の保存をキャンセルした場合でも設定に保存されます。</translation>
    </message>
    <message>
        <source>Changes save automatically</source>
        <translation>変更は自動的に保存されます</translation>
    </message>
    <message>
        <source>Cheeks</source>
        <translation>頬</translation>
    </message>
    <message>
        <source>Chin &amp; jaw</source>
        <translation>あご・フェイスライン</translation>
    </message>
    <message>
        <source>Choose a JPEG, PNG, BMP, TIFF, HEIC, or HEIF image.</source>
        <translation>JPEG、PNG、BMP、TIFF、HEIC、またはHEIF画像を選択してください。</translation>
    </message>
    <message>
        <source>Choose a save location.</source>
        <translation>保存先を選択してください。</translation>
    </message>
    <message>
        <source>Choose another local photograph</source>
        <translation>別のローカル写真を選択</translation>
    </message>
    <message>
        <source>Choose drawing and text color</source>
        <translation>描画とテキストの色を選択</translation>
    </message>
    <message>
        <source>Choose one local image to crop. The original file will not be changed.</source>
        <translation>トリミングするローカル画像を1つ選択してください。元のファイルは変更されません。</translation>
    </message>
    <message>
        <source>Choose or drop one local image to open the crop screen.</source>
        <translation>ローカル画像を1つ選択またはドロップすると、トリミング画面が開きます。</translation>
    </message>
    <message>
        <source>Choose the destination and the images to save.</source>
        <translation>保存先と保存する画像を選択してください。</translation>
    </message>
    <message>
        <source>Choose the destination for your saved image files.</source>
        <translation>画像ファイルの保存先を選択してください。</translation>
    </message>
    <message>
        <source>Choose the file type for saved images.</source>
        <translation>保存する画像のファイル形式を選択してください。</translation>
    </message>
    <message>
        <source>Choose the font used by the Text tool</source>
        <translation>テキストツールで使用するフォントを選択</translation>
    </message>
    <message>
        <source>Choose the frame</source>
        <translation>範囲を選択</translation>
    </message>
    <message>
        <source>Choose the information included in saved images.</source>
        <translation>保存する画像に含める情報を選択してください。</translation>
    </message>
    <message>
        <source>Choose the interface language.</source>
        <translation>インターフェイスの言語を選択してください。</translation>
    </message>
    <message>
        <source>Choose what to save and where it goes.</source>
        <translation>保存する内容と保存先を選択してください。</translation>
    </message>
    <message>
        <source>Choose where to save the animation video.</source>
        <translation>アニメーション動画の保存先を選択してください。</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>選択…</translation>
    </message>
    <message>
        <source>Cinema 21:9</source>
        <translation>シネマ 21:9</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>円</translation>
    </message>
    <message>
        <source>Circle annotation tool</source>
        <translation>円の注釈ツール</translation>
    </message>
    <message>
        <source>Classic 4:3</source>
        <translation>クラシック 4:3</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>保存せずに閉じる</translation>
    </message>
    <message>
        <source>Close GPU editor error</source>
        <translation>GPUエディターのエラーを閉じる</translation>
    </message>
    <message>
        <source>Close Save images</source>
        <translation>「画像を保存」を閉じる</translation>
    </message>
    <message>
        <source>Close Send Feedback</source>
        <translation>「フィードバックを送信」を閉じる</translation>
    </message>
    <message>
        <source>Close Settings</source>
        <translation>設定を閉じる</translation>
    </message>
    <message>
        <source>Close Share image</source>
        <translation>「画像を共有」を閉じる</translation>
    </message>
    <message>
        <source>Close Shortcuts</source>
        <translation>ショートカットを閉じる</translation>
    </message>
    <message>
        <source>Close Veltrano without saving image changes</source>
        <translation>画像の変更を保存せずにVeltranoを閉じる</translation>
    </message>
    <message>
        <source>Close error message</source>
        <translation>エラーメッセージを閉じる</translation>
    </message>
    <message>
        <source>Close saved output</source>
        <translation>保存結果の画面を閉じる</translation>
    </message>
    <message>
        <source>Close saved video</source>
        <translation>保存した動画の画面を閉じる</translation>
    </message>
    <message>
        <source>Close video save error</source>
        <translation>動画保存エラーを閉じる</translation>
    </message>
    <message>
        <source>Collapse or expand the inspector</source>
        <translation>インスペクターを折りたたむ/展開する</translation>
    </message>
    <message>
        <source>Collapse or expand the left toolbar</source>
        <translation>左のツールバーを折りたたむ/展開する</translation>
    </message>
    <message>
        <source>Collapse toolbar (Ctrl+T)</source>
        <translation>ツールバーを折りたたむ（Ctrl+T）</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Combined Original and Simulation view (switch tabs: Left/Right Arrow keys)</source>
        <translation>オリジナルとシミュレーションを組み合わせた表示（タブの切り替え：左右矢印キー）</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>Comparison image</source>
        <translation>比較画像</translation>
    </message>
    <message>
        <source>Comparison label settings</source>
        <translation>比較ラベルの設定</translation>
    </message>
    <message>
        <source>Comparison labels</source>
        <translation>比較ラベル</translation>
    </message>
    <message>
        <source>Comparison maximum stacked dimension (px)</source>
        <translation>比較画像の最大合成サイズ（px）</translation>
    </message>
    <message>
        <source>Contact information</source>
        <translation>連絡先情報</translation>
    </message>
    <message>
        <source>Contact information can be added to images shared with patients or colleagues.</source>
        <translation>患者や同僚と共有する画像に連絡先情報を追加できます。</translation>
    </message>
    <message>
        <source>Contact information can be included in saved, shared, or printed images. Enter it once here, then choose for each output whether to include it—for example, when distributing images to colleagues or patients.</source>
        <translation>連絡先情報は、保存、共有、印刷する画像に含めることができます。ここで一度入力しておけば、出力ごとに含めるかどうかを選択できます。たとえば、画像を同僚や患者に配布する場合などです。</translation>
    </message>
    <message>
        <source>Contact information settings</source>
        <translation>連絡先情報の設定</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続ける</translation>
    </message>
    <message>
        <source>Continue to the desktop&apos;s sharing apps</source>
        <translation>デスクトップの共有アプリに進む</translation>
    </message>
    <message>
        <source>Contract an area smoothly (S)</source>
        <translation>領域をなめらかに収縮（S）</translation>
    </message>
    <message>
        <source>Contract an area smoothly toward the centre of the brush. Use short, controlled passes for precise changes.</source>
        <translation>領域をブラシの中心に向かってなめらかに収縮させます。精密に変更するには、短く制御されたストロークで行ってください。</translation>
    </message>
    <message>
        <source>Copy Image</source>
        <translation>画像をコピー</translation>
    </message>
    <message>
        <source>Correct the selected text while preserving its appearance and position.</source>
        <translation>選択したテキストの外観と位置を保ったまま内容を修正します。</translation>
    </message>
    <message>
        <source>Could not decode crash report with size of %lu bytes.</source>
        <translation>サイズが%luバイトのクラッシュレポートをデコードできませんでした。</translation>
    </message>
    <message>
        <source>Could not decode invalid crash log header</source>
        <translation>無効なクラッシュログヘッダーをデコードできませんでした</translation>
    </message>
    <message>
        <source>Could not decode truncated crash log</source>
        <translation>途中で切れたクラッシュログをデコードできませんでした</translation>
    </message>
    <message>
        <source>Could not decode unsupported crash report version: %d</source>
        <translation>サポートされていないクラッシュレポートバージョンをデコードできませんでした：%d</translation>
    </message>
    <message>
        <source>Crash report has an unknown architecture</source>
        <translation>クラッシュレポートのアーキテクチャが不明です</translation>
    </message>
    <message>
        <source>Crash report includes too many Mach Exception codes</source>
        <translation>クラッシュレポートに含まれるMach例外コードが多すぎます</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information app identifier field</source>
        <translation>クラッシュレポートにアプリケーション情報のアプリ識別子フィールドがありません</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information app version field</source>
        <translation>クラッシュレポートにアプリケーション情報のアプリバージョンフィールドがありません</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information section</source>
        <translation>クラッシュレポートにアプリケーション情報セクションがありません</translation>
    </message>
    <message>
        <source>Crash report is missing Exception Information section</source>
        <translation>クラッシュレポートに例外情報セクションがありません</translation>
    </message>
    <message>
        <source>Crash report is missing Mach Exception Information section</source>
        <translation>クラッシュレポートにMach例外情報セクションがありません</translation>
    </message>
    <message>
        <source>Crash report is missing Machine Information section</source>
        <translation>クラッシュレポートにマシン情報セクションがありません</translation>
    </message>
    <message>
        <source>Crash report is missing Process Information section</source>
        <translation>クラッシュレポートにプロセス情報セクションがありません</translation>
    </message>
    <message>
        <source>Crash report is missing Signal Information section</source>
        <translation>クラッシュレポートにシグナル情報セクションがありません</translation>
    </message>
    <message>
        <source>Crash report is missing System Information OS version field</source>
        <translation>クラッシュレポートにシステム情報のOSバージョンフィールドがありません</translation>
    </message>
    <message>
        <source>Crash report is missing System Information section</source>
        <translation>クラッシュレポートにシステム情報セクションがありません</translation>
    </message>
    <message>
        <source>Crash report is missing binary image information</source>
        <translation>クラッシュレポートにバイナリイメージ情報がありません</translation>
    </message>
    <message>
        <source>Crash report is missing exception name field</source>
        <translation>クラッシュレポートに例外名フィールドがありません</translation>
    </message>
    <message>
        <source>Crash report is missing exception reason field</source>
        <translation>クラッシュレポートに例外理由フィールドがありません</translation>
    </message>
    <message>
        <source>Crash report is missing processor info section</source>
        <translation>クラッシュレポートにプロセッサ情報セクションがありません</translation>
    </message>
    <message>
        <source>Crash report is missing signal code field</source>
        <translation>クラッシュレポートにシグナルコードフィールドがありません</translation>
    </message>
    <message>
        <source>Crash report is missing signal name field</source>
        <translation>クラッシュレポートにシグナル名フィールドがありません</translation>
    </message>
    <message>
        <source>Crash report is missing stack frame information</source>
        <translation>クラッシュレポートにスタックフレーム情報がありません</translation>
    </message>
    <message>
        <source>Crash report is missing symbol information</source>
        <translation>クラッシュレポートにシンボル情報がありません</translation>
    </message>
    <message>
        <source>Crash report is missing thread state information</source>
        <translation>クラッシュレポートにスレッド状態情報がありません</translation>
    </message>
    <message>
        <source>Crash report not sent</source>
        <translation>クラッシュレポートを送信できませんでした</translation>
    </message>
    <message>
        <source>Crash report sent</source>
        <translation>クラッシュレポートを送信しました</translation>
    </message>
    <message>
        <source>Crash report unavailable</source>
        <translation>クラッシュレポートを利用できません</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>トリミング</translation>
    </message>
    <message>
        <source>Crop - Flip</source>
        <translation>トリミング - 反転</translation>
    </message>
    <message>
        <source>Crop image</source>
        <translation>画像をトリミング</translation>
    </message>
    <message>
        <source>Crop preview</source>
        <translation>トリミングのプレビュー</translation>
    </message>
    <message>
        <source>Crop ready</source>
        <translation>トリミングの準備完了</translation>
    </message>
    <message>
        <source>Current Tab</source>
        <translation>現在のタブ</translation>
    </message>
    <message>
        <source>Current Tab (%1)</source>
        <translation>現在のタブ（%1）</translation>
    </message>
    <message>
        <source>Current image dimensions: %1 × %2 px (width × height).</source>
        <translation>現在の画像サイズ：%1 × %2 px（幅 × 高さ）。</translation>
    </message>
    <message>
        <source>Default: “Original” · left or bottom</source>
        <translation>デフォルト：「オリジナル」· 左または下</translation>
    </message>
    <message>
        <source>Default: “Simulation” · right or top</source>
        <translation>デフォルト：「シミュレーション」· 右または上</translation>
    </message>
    <message>
        <source>Delete each complete drawing object touched by the eraser (E)</source>
        <translation>消しゴムが触れた描画オブジェクトを丸ごと削除（E）</translation>
    </message>
    <message>
        <source>Delete the selected annotation</source>
        <translation>選択した注釈を削除</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Dismiss editor message</source>
        <translation>エディターのメッセージを閉じる</translation>
    </message>
    <message>
        <source>Display the image at 100%</source>
        <translation>画像を100%で表示</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>ドキュメント</translation>
    </message>
    <message>
        <source>Don&apos;t send</source>
        <translation>送信しない</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Done with Settings</source>
        <translation>設定を完了</translation>
    </message>
    <message>
        <source>Drag an image here</source>
        <translation>ここに画像をドラッグ</translation>
    </message>
    <message>
        <source>Drag an image here or open the file browser</source>
        <translation>ここに画像をドラッグするか、ファイルブラウザーを開いてください</translation>
    </message>
    <message>
        <source>Drag the chin forward for augmentation, or pull the jawline in to slim the lower face.</source>
        <translation>あごを前に出して増大効果を表現するか、フェイスラインを内側に引いて顔の下部をすっきりさせます。</translation>
    </message>
    <message>
        <source>Drag the selection area or its corners if necessary</source>
        <translation>必要に応じて選択範囲またはその角をドラッグしてください</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>描画</translation>
    </message>
    <message>
        <source>Draw a circle or ellipse annotation outline</source>
        <translation>円または楕円の注釈の輪郭を描画</translation>
    </message>
    <message>
        <source>Draw a circle or ellipse outline on the Simulation.
Double-click an existing circle to select it, then drag to move it.</source>
        <translation>シミュレーションに円または楕円の輪郭を描きます。
既存の円をダブルクリックして選択し、ドラッグして移動します。</translation>
    </message>
    <message>
        <source>Draw a freeform annotation on the Simulation (D)</source>
        <translation>シミュレーションにフリーハンドの注釈を描画（D）</translation>
    </message>
    <message>
        <source>Draw a freeform line over the Simulation.
Double-click an existing drawing to select it, then drag to move it.</source>
        <translation>シミュレーション上にフリーハンドの線を描きます。
既存の描画をダブルクリックして選択し、ドラッグして移動します。</translation>
    </message>
    <message>
        <source>Draw a rectangular annotation outline</source>
        <translation>四角形の注釈の輪郭を描画</translation>
    </message>
    <message>
        <source>Draw a rectangular outline on the Simulation.
Double-click an existing rectangle to select it, then drag to move it.</source>
        <translation>シミュレーションに四角形の輪郭を描きます。
既存の四角形をダブルクリックして選択し、ドラッグして移動します。</translation>
    </message>
    <message>
        <source>Draw a straight annotation line</source>
        <translation>直線の注釈を描画</translation>
    </message>
    <message>
        <source>Draw annotation tool</source>
        <translation>描画注釈ツール</translation>
    </message>
    <message>
        <source>Draws a straight line.
Double-click an existing line to select it, then drag to move it.</source>
        <translation>直線を描きます。
既存の線をダブルクリックして選択し、ドラッグして移動します。</translation>
    </message>
    <message>
        <source>Drop to open image</source>
        <translation>ドロップして画像を開く</translation>
    </message>
    <message>
        <source>Ears</source>
        <translation>耳</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>テキストを編集</translation>
    </message>
    <message>
        <source>Edit the selected text annotation</source>
        <translation>選択したテキスト注釈を編集</translation>
    </message>
    <message>
        <source>Edit watermark information…</source>
        <translation>透かし情報を編集…</translation>
    </message>
    <message>
        <source>Editable Simulation image (switch tabs: Left/Right Arrow keys)</source>
        <translation>編集可能なシミュレーション画像（タブの切り替え：左右矢印キー）</translation>
    </message>
    <message>
        <source>Editing canvas %1 × %2 px</source>
        <translation>編集キャンバス %1 × %2 px</translation>
    </message>
    <message>
        <source>Editor image view</source>
        <translation>エディターの画像表示</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Enlarge the vermilion evenly; keep the brush slightly larger than the lip being treated.</source>
        <translation>赤唇部を均等に拡大します。ブラシは施術する唇よりやや大きめにしてください。</translation>
    </message>
    <message>
        <source>Enter a base filename.</source>
        <translation>ベースファイル名を入力してください。</translation>
    </message>
    <message>
        <source>Enter a complete http:// or https:// address such as %1, or leave the field empty.</source>
        <translation>http://またはhttps://で始まる完全なアドレス（例：%1）を入力するか、フィールドを空欄のままにしてください。</translation>
    </message>
    <message>
        <source>Enter a complete http:// or https:// address such as %1, or leave this field empty.</source>
        <translation>http://またはhttps://で始まる完全なアドレス（例：%1）を入力するか、このフィールドを空欄のままにしてください。</translation>
    </message>
    <message>
        <source>Enter a valid email address, or leave the field empty.</source>
        <translation>有効なメールアドレスを入力するか、フィールドを空欄のままにしてください。</translation>
    </message>
    <message>
        <source>Enter a valid email address, or leave this field empty.</source>
        <translation>有効なメールアドレスを入力するか、このフィールドを空欄のままにしてください。</translation>
    </message>
    <message>
        <source>Enter a valid filename.</source>
        <translation>有効なファイル名を入力してください。</translation>
    </message>
    <message>
        <source>Enter a valid system filename without a path separator.</source>
        <translation>パス区切り文字を含まない、システムで有効なファイル名を入力してください。</translation>
    </message>
    <message>
        <source>Enter a valid system folder name without a path separator.</source>
        <translation>パス区切り文字を含まない、システムで有効なフォルダー名を入力してください。</translation>
    </message>
    <message>
        <source>Enter a whole number from 1 to %1.</source>
        <translation>1～%1の整数を入力してください。</translation>
    </message>
    <message>
        <source>Enter a whole number from 2 to %1.</source>
        <translation>2～%1の整数を入力してください。</translation>
    </message>
    <message>
        <source>Enter your feedback before sending.</source>
        <translation>送信する前にフィードバックを入力してください。</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>消しゴム</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Expand an area smoothly (G)</source>
        <translation>領域をなめらかに膨張（G）</translation>
    </message>
    <message>
        <source>Expand an area smoothly away from the centre of the brush. Build the change with short, controlled passes.</source>
        <translation>領域をブラシの中心から外側へなめらかに膨張させます。短く制御されたストロークで少しずつ変化を加えてください。</translation>
    </message>
    <message>
        <source>Expand toolbar (Ctrl+T)</source>
        <translation>ツールバーを展開（Ctrl+T）</translation>
    </message>
    <message>
        <source>Export the deformation animation as MP4</source>
        <translation>変形アニメーションをMP4で書き出す</translation>
    </message>
    <message>
        <source>Export watermarks use white text with a black outline. Contact information appears once at the lower-left of each saved file.</source>
        <translation>書き出し時の透かしは、黒い縁取りの白い文字で表示されます。連絡先情報は、保存する各ファイルの左下に1回表示されます。</translation>
    </message>
    <message>
        <source>Eyes</source>
        <translation>目</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>フィードバック</translation>
    </message>
    <message>
        <source>Feedback must be 5,000 characters or fewer.</source>
        <translation>フィードバックは5,000文字以内で入力してください。</translation>
    </message>
    <message>
        <source>Feedback received</source>
        <translation>フィードバックを受け付けました</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>ファイル形式</translation>
    </message>
    <message>
        <source>File and output</source>
        <translation>ファイルと出力</translation>
    </message>
    <message>
        <source>File format</source>
        <translation>ファイル形式</translation>
    </message>
    <message>
        <source>Filled circle</source>
        <translation>塗りつぶした円</translation>
    </message>
    <message>
        <source>Filled circle annotation tool</source>
        <translation>塗りつぶした円の注釈ツール</translation>
    </message>
    <message>
        <source>Filled rectangle</source>
        <translation>塗りつぶした四角形</translation>
    </message>
    <message>
        <source>Filled rectangle annotation tool</source>
        <translation>塗りつぶした四角形の注釈ツール</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>全体表示</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>左右に反転</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>上下に反転</translation>
    </message>
    <message>
        <source>Folders cannot be opened here. Please choose one image file.</source>
        <translation>ここではフォルダーを開けません。画像ファイルを1つ選択してください。</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Français</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>自由</translation>
    </message>
    <message>
        <source>Free text (for example, a disclaimer)</source>
        <translation>自由記述（例：免責事項）</translation>
    </message>
    <message>
        <source>Full image</source>
        <translation>画像全体</translation>
    </message>
    <message>
        <source>GPU editor unavailable</source>
        <translation>GPUエディターを使用できません</translation>
    </message>
    <message>
        <source>Go to editor</source>
        <translation>エディターへ進む</translation>
    </message>
    <message>
        <source>Grow</source>
        <translation>膨張</translation>
    </message>
    <message>
        <source>Grow reshape tool</source>
        <translation>膨張変形ツール</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Hide inspector</source>
        <translation>インスペクターを隠す</translation>
    </message>
    <message>
        <source>Higher quality preserves more photographic detail but produces a larger file.</source>
        <translation>画質を高くすると写真の細部がより多く保持されますが、ファイルサイズが大きくなります。</translation>
    </message>
    <message>
        <source>Hips</source>
        <translation>腰回り</translation>
    </message>
    <message>
        <source>History and selection</source>
        <translation>履歴と選択</translation>
    </message>
    <message>
        <source>Hold Alt and scroll with two fingers, or use the mouse wheel</source>
        <translation>Altキーを押しながら2本指でスクロール、またはマウスホイールを使用</translation>
    </message>
    <message>
        <source>Hold the middle mouse button and drag, or hold Spacebar and drag</source>
        <translation>マウスの中ボタンを押しながらドラッグ、またはスペースキーを押しながらドラッグ</translation>
    </message>
    <message>
        <source>Hold the middle mouse button or Spacebar to move the zoomed image.</source>
        <translation>マウスの中ボタンまたはスペースキーを押したまま、拡大した画像を移動します。</translation>
    </message>
    <message>
        <source>INSPECTOR</source>
        <translation>インスペクター</translation>
    </message>
    <message>
        <source>Image not opened</source>
        <translation>画像を開けませんでした</translation>
    </message>
    <message>
        <source>Image not saved</source>
        <translation>画像を保存できませんでした</translation>
    </message>
    <message>
        <source>Image not shared</source>
        <translation>画像を共有できませんでした</translation>
    </message>
    <message>
        <source>Image saved</source>
        <translation>画像を保存しました</translation>
    </message>
    <message>
        <source>Image saving cleanup</source>
        <translation>画像保存の後処理</translation>
    </message>
    <message>
        <source>Image saving was cancelled, but cleanup needs attention.</source>
        <translation>画像の保存はキャンセルされましたが、後処理の確認が必要です。</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Images saved</source>
        <translation>画像を保存しました</translation>
    </message>
    <message>
        <source>Include Original / Simulation labels</source>
        <translation>オリジナル / シミュレーションのラベルを含める</translation>
    </message>
    <message>
        <source>Include contact information</source>
        <translation>連絡先情報を含める</translation>
    </message>
    <message>
        <source>Increase breast volume symmetrically; work in small steps and compare both sides.</source>
        <translation>胸のボリュームを左右対称に増やします。少しずつ作業し、左右を比較してください。</translation>
    </message>
    <message>
        <source>Increase calf volume for a more defined lower leg.</source>
        <translation>ふくらはぎのボリュームを増やし、下腿のラインをはっきりさせます。</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>JPEG image (.jpg)</source>
        <translation>JPEG画像（.jpg）</translation>
    </message>
    <message>
        <source>JPEG quality</source>
        <translation>JPEG画質</translation>
    </message>
    <message>
        <source>Keyboard and mouse controls for editing quickly.</source>
        <translation>すばやく編集するためのキーボードとマウスの操作です。</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>ラベル</translation>
    </message>
    <message>
        <source>Landscape images are stacked vertically. This value limits the total height; Simulation is above and Original below.</source>
        <translation>横長の画像は縦に並べられます。この値は全体の高さを制限します。シミュレーションが上、オリジナルが下になります。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Language settings</source>
        <translation>言語の設定</translation>
    </message>
    <message>
        <source>Leave a field empty to hide its watermark label everywhere. Changes are reflected immediately.</source>
        <translation>フィールドを空欄にすると、その透かしラベルはすべての場所で非表示になります。変更はすぐに反映されます。</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>左矢印キー</translation>
    </message>
    <message>
        <source>Lift the underarm contour upward in short strokes.</source>
        <translation>短いストロークで二の腕の輪郭を引き上げます。</translation>
    </message>
    <message>
        <source>Limits the longest side of the Original and Simulation images when Auto is off. Aspect ratio is preserved.</source>
        <translation>「自動」がオフのとき、オリジナル画像とシミュレーション画像の長辺を制限します。縦横比は保持されます。</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>線</translation>
    </message>
    <message>
        <source>Line annotation tool</source>
        <translation>線の注釈ツール</translation>
    </message>
    <message>
        <source>Lips</source>
        <translation>唇</translation>
    </message>
    <message>
        <source>Loading image…</source>
        <translation>画像を読み込んでいます…</translation>
    </message>
    <message>
        <source>MPEG-4 movie</source>
        <translation>MPEG-4ムービー</translation>
    </message>
    <message>
        <source>Maximum image dimension: %1 px. Larger selections are downsized to keep editing smooth. Lower this limit in Settings / Performance on a less powerful computer.</source>
        <translation>画像の最大サイズ：%1 px。これより大きい選択範囲は、快適に編集できるよう縮小されます。性能の低いコンピューターでは、「設定」&gt;「パフォーマンス」でこの上限を下げてください。</translation>
    </message>
    <message>
        <source>Maximum image side</source>
        <translation>画像の最大辺</translation>
    </message>
    <message>
        <source>Middle mouse button + drag
or Spacebar + drag</source>
        <translation>マウスの中ボタン + ドラッグ
またはスペースキー + ドラッグ</translation>
    </message>
    <message>
        <source>Morphing animation from the Original to the Simulation image</source>
        <translation>オリジナルからシミュレーション画像へのモーフィングアニメーション</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Move around a zoomed image</source>
        <translation>拡大した画像内を移動</translation>
    </message>
    <message>
        <source>Move around a zoomed image (middle mouse button or Spacebar)</source>
        <translation>拡大した画像内を移動（マウスの中ボタンまたはスペースキー）</translation>
    </message>
    <message>
        <source>Move image mode</source>
        <translation>画像移動モード</translation>
    </message>
    <message>
        <source>Move pixels in the direction you drag (P)</source>
        <translation>ドラッグした方向にピクセルを移動（P）</translation>
    </message>
    <message>
        <source>Move the outer ear closer to the head with small, slow strokes.</source>
        <translation>小さくゆっくりしたストロークで外耳を頭に近づけます。</translation>
    </message>
    <message>
        <source>Moves the image area inside the brush circle in the direction of your drag. Experiment with different brush sizes and slow strokes until you achieve the desired result.</source>
        <translation>ブラシの円内の画像領域をドラッグした方向に移動します。望む結果が得られるまで、ブラシサイズを変えたり、ゆっくりとしたストロークを試したりしてください。</translation>
    </message>
    <message>
        <source>Must use</source>
        <translation>必須</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Name must be 100 characters or fewer.</source>
        <translation>名前は100文字以内で入力してください。</translation>
    </message>
    <message>
        <source>Narrow flared nostrils; treat each side separately.</source>
        <translation>広がった小鼻を細くします。左右を別々に処理してください。</translation>
    </message>
    <message>
        <source>Narrow the bridge with short inward strokes from both sides; reduce a dorsal bump in profile.</source>
        <translation>両側から内側への短いストロークで鼻筋を細くし、横顔の鼻背のこぶを小さくします。</translation>
    </message>
    <message>
        <source>Neck</source>
        <translation>首</translation>
    </message>
    <message>
        <source>Neither setting enlarges an Original or Simulation image. A Comparison image combines two image panes, so its total width or height can be up to twice the corresponding current image dimension.</source>
        <translation>どちらの設定でも、オリジナル画像やシミュレーション画像が拡大されることはありません。比較画像は2つの画像を組み合わせるため、全体の幅または高さが現在の画像サイズの最大2倍になることがあります。</translation>
    </message>
    <message>
        <source>Next Editor Tab</source>
        <translation>次のエディタータブ</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>No Original or Simulation label is configured in Settings.</source>
        <translation>「設定」でオリジナルまたはシミュレーションのラベルが指定されていません。</translation>
    </message>
    <message>
        <source>No application could open the image.</source>
        <translation>画像を開けるアプリがありませんでした。</translation>
    </message>
    <message>
        <source>No contact information is configured in Settings.</source>
        <translation>「設定」で連絡先情報が指定されていません。</translation>
    </message>
    <message>
        <source>No e-mail program could attach the image.</source>
        <translation>画像を添付できるメールアプリがありませんでした。</translation>
    </message>
    <message>
        <source>No edits have been made, so there are no changes to save.</source>
        <translation>編集が行われていないため、保存する変更はありません。</translation>
    </message>
    <message>
        <source>No edits have been made, so there is no animation to save.</source>
        <translation>編集が行われていないため、保存するアニメーションはありません。</translation>
    </message>
    <message>
        <source>No edits have been made, so there is nothing to animate.</source>
        <translation>編集が行われていないため、アニメーションにする内容がありません。</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>フォルダーが選択されていません</translation>
    </message>
    <message>
        <source>No shortcut available</source>
        <translation>ショートカットなし</translation>
    </message>
    <message>
        <source>No web browser could open the documentation.</source>
        <translation>ドキュメントを開けるWebブラウザーがありません。</translation>
    </message>
    <message>
        <source>No web browser could open the support page.</source>
        <translation>サポートページを開けるWebブラウザーがありません。</translation>
    </message>
    <message>
        <source>Non-destructive source crop</source>
        <translation>元ファイルを変更しないトリミング</translation>
    </message>
    <message>
        <source>Nose</source>
        <translation>鼻</translation>
    </message>
    <message>
        <source>Nostrils</source>
        <translation>小鼻</translation>
    </message>
    <message>
        <source>Not configured in Settings</source>
        <translation>「設定」で未指定</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>未選択</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>One JPEG, handed to your installed sharing apps.</source>
        <translation>1枚のJPEGを、インストールされている共有アプリに渡します。</translation>
    </message>
    <message>
        <source>Only the Original label is set; Simulation will have no label.</source>
        <translation>オリジナルのラベルのみ設定されています。シミュレーションにはラベルが付きません。</translation>
    </message>
    <message>
        <source>Only the Simulation label is set; Original will have no label.</source>
        <translation>シミュレーションのラベルのみ設定されています。オリジナルにはラベルが付きません。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Open Anyway</source>
        <translation>保存せずに開く</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>画像を開く</translation>
    </message>
    <message>
        <source>Open Image…</source>
        <translation>画像を開く…</translation>
    </message>
    <message>
        <source>Open Save images</source>
        <translation>「画像を保存」を開く</translation>
    </message>
    <message>
        <source>Open With…</source>
        <translation>別のアプリで開く…</translation>
    </message>
    <message>
        <source>Open another image</source>
        <translation>別の画像を開く</translation>
    </message>
    <message>
        <source>Open another image without saving image changes</source>
        <translation>画像の変更を保存せずに別の画像を開く</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>保存先フォルダーを開く</translation>
    </message>
    <message>
        <source>Open the file browser</source>
        <translation>ファイルブラウザーを開く</translation>
    </message>
    <message>
        <source>Open the selected crop in the editor</source>
        <translation>選択したトリミング範囲をエディターで開く</translation>
    </message>
    <message>
        <source>Open the system print workflow</source>
        <translation>システムの印刷機能を開く</translation>
    </message>
    <message>
        <source>Open the system share menu</source>
        <translation>システムの共有メニューを開く</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>オリジナル</translation>
    </message>
    <message>
        <source>Original + Simulation side by side.</source>
        <translation>オリジナルとシミュレーションを並べて表示。</translation>
    </message>
    <message>
        <source>Original / Simulation labels</source>
        <translation>オリジナル / シミュレーションのラベル</translation>
    </message>
    <message>
        <source>Original and Simulation maximum dimension (px)</source>
        <translation>オリジナルとシミュレーションの最大サイズ（px）</translation>
    </message>
    <message>
        <source>Original image</source>
        <translation>オリジナル画像</translation>
    </message>
    <message>
        <source>Original image label</source>
        <translation>オリジナル画像のラベル</translation>
    </message>
    <message>
        <source>Original label</source>
        <translation>オリジナルのラベル</translation>
    </message>
    <message>
        <source>Original, unmodified image (switch tabs: Left/Right Arrow keys)</source>
        <translation>未加工のオリジナル画像（タブの切り替え：左右矢印キー）</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>PAN IMAGE</source>
        <translation>画像の移動</translation>
    </message>
    <message>
        <source>PNG image (.png)</source>
        <translation>PNG画像（.png）</translation>
    </message>
    <message>
        <source>PNG is the default lossless format, but it produces larger files.</source>
        <translation>PNGはデフォルトの可逆圧縮形式ですが、ファイルサイズが大きくなります。</translation>
    </message>
    <message>
        <source>PROPERTIES</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>パフォーマンス</translation>
    </message>
    <message>
        <source>Performance settings</source>
        <translation>パフォーマンスの設定</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>電話番号</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>画像フォルダー</translation>
    </message>
    <message>
        <source>Place a filled circle or ellipse annotation</source>
        <translation>塗りつぶした円または楕円の注釈を配置</translation>
    </message>
    <message>
        <source>Place a filled circle or ellipse on the Simulation.
Double-click an existing circle to select it, then drag to move it.</source>
        <translation>シミュレーションに塗りつぶした円または楕円を配置します。
既存の円をダブルクリックして選択し、ドラッグして移動します。</translation>
    </message>
    <message>
        <source>Place a filled rectangular annotation</source>
        <translation>塗りつぶした四角形の注釈を配置</translation>
    </message>
    <message>
        <source>Place a filled rectangular annotation on the Simulation. It can be used to conceal the eyes or help anonymize a patient.
Double-click an existing rectangle to select it, then drag to move it.</source>
        <translation>シミュレーションに塗りつぶした四角形の注釈を配置します。目を隠したり、患者を匿名化したりするのに使用できます。
既存の四角形をダブルクリックして選択し、ドラッグして移動します。</translation>
    </message>
    <message>
        <source>Please choose exactly one image at a time.</source>
        <translation>画像は一度に1つだけ選択してください。</translation>
    </message>
    <message>
        <source>Please drop one image file.</source>
        <translation>画像ファイルを1つだけドロップしてください。</translation>
    </message>
    <message>
        <source>Portrait 2:3</source>
        <translation>ポートレート 2:3</translation>
    </message>
    <message>
        <source>Portrait and square images are arranged side by side. This value limits the total width; Original is left and Simulation is right.</source>
        <translation>縦長および正方形の画像は横に並べられます。この値は全体の幅を制限します。オリジナルが左、シミュレーションが右になります。</translation>
    </message>
    <message>
        <source>Português (Brasil)</source>
        <translation>Português (Brasil)</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>準備中</translation>
    </message>
    <message>
        <source>Preparing editing canvas…</source>
        <translation>編集キャンバスを準備しています…</translation>
    </message>
    <message>
        <source>Preparing image for the desktop&apos;s sharing apps</source>
        <translation>デスクトップの共有アプリ用に画像を準備しています</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>プレビュー：</translation>
    </message>
    <message>
        <source>Previous Editor Tab</source>
        <translation>前のエディタータブ</translation>
    </message>
    <message>
        <source>Print preview could not be prepared. The complete image could not be rendered.</source>
        <translation>印刷プレビューを準備できませんでした。画像全体をレンダリングできませんでした。</translation>
    </message>
    <message>
        <source>Printing could not start. The complete image could not be prepared.</source>
        <translation>印刷を開始できませんでした。画像全体を準備できませんでした。</translation>
    </message>
    <message>
        <source>Printing failed</source>
        <translation>印刷に失敗しました</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>印刷…</translation>
    </message>
    <message>
        <source>Privacy safe: </source>
        <translation>プライバシー保護：</translation>
    </message>
    <message>
        <source>Progressively return a changed area toward the Original (R)</source>
        <translation>変更した領域を徐々にオリジナルに戻す（R）</translation>
    </message>
    <message>
        <source>Pull the submental area inward to reduce a double chin.</source>
        <translation>顎下を内側に引き、二重あごを軽減します。</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>プッシュ</translation>
    </message>
    <message>
        <source>Push both flanks inward evenly for a liposuction or tummy-tuck effect.</source>
        <translation>両脇腹を均等に内側へ押し、脂肪吸引や腹部形成の効果を表現します。</translation>
    </message>
    <message>
        <source>Push cheek volume upward and outward for a filler-like lift.</source>
        <translation>頬のボリュームを上外側へ押し上げ、フィラーのようなリフト効果を表現します。</translation>
    </message>
    <message>
        <source>Push reshape tool</source>
        <translation>プッシュ変形ツール</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Quit Veltrano</source>
        <translation>Veltranoを終了</translation>
    </message>
    <message>
        <source>Recent locations</source>
        <translation>最近の場所</translation>
    </message>
    <message>
        <source>Reconstruct</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Reconstruct reshape tool</source>
        <translation>復元変形ツール</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>四角形</translation>
    </message>
    <message>
        <source>Rectangle annotation tool</source>
        <translation>四角形の注釈ツール</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Redo the last undone action (Ctrl+Shift+Z)</source>
        <translation>最後に元に戻した操作をやり直す（Ctrl+Shift+Z）</translation>
    </message>
    <message>
        <source>Redo the latest undone action</source>
        <translation>最後に元に戻した操作をやり直す</translation>
    </message>
    <message>
        <source>Reduce breast volume for a reduction simulation; compare both sides.</source>
        <translation>胸のボリュームを減らして縮小のシミュレーションを行います。左右を比較してください。</translation>
    </message>
    <message>
        <source>Reduce the apparent size of prominent ears with small, gradual passes.</source>
        <translation>小さく段階的な操作で、目立つ耳の見かけの大きさを小さくします。</translation>
    </message>
    <message>
        <source>Reduce the nasal tip with a small brush.</source>
        <translation>小さなブラシで鼻先を小さくします。</translation>
    </message>
    <message>
        <source>Remove complete annotation objects touched by the eraser. The photograph and deformation are not affected.</source>
        <translation>消しゴムが触れた注釈オブジェクトを丸ごと削除します。写真と変形には影響しません。</translation>
    </message>
    <message>
        <source>Reopen image picker</source>
        <translation>画像の選択画面を再度開く</translation>
    </message>
    <message>
        <source>Reset all</source>
        <translation>すべてリセット</translation>
    </message>
    <message>
        <source>Reset all deformation and annotations</source>
        <translation>すべての変形と注釈をリセット</translation>
    </message>
    <message>
        <source>Reset orientation</source>
        <translation>向きをリセット</translation>
    </message>
    <message>
        <source>Reset to full image</source>
        <translation>画像全体にリセット</translation>
    </message>
    <message>
        <source>Reshape</source>
        <translation>変形</translation>
    </message>
    <message>
        <source>Reshape hip width outward or inward; keep strokes symmetrical.</source>
        <translation>腰回りの幅を外側または内側に調整します。ストロークは左右対称に保ってください。</translation>
    </message>
    <message>
        <source>Reshape mode</source>
        <translation>変形モード</translation>
    </message>
    <message>
        <source>Reshape tools</source>
        <translation>変形ツール</translation>
    </message>
    <message>
        <source>Reshaping previews for patient consultations</source>
        <translation>患者カウンセリングのための変形プレビュー</translation>
    </message>
    <message>
        <source>Restart Anyway</source>
        <translation>保存せずに再起動</translation>
    </message>
    <message>
        <source>Restart Veltrano now</source>
        <translation>今すぐVeltranoを再起動</translation>
    </message>
    <message>
        <source>Restart Veltrano without saving image changes</source>
        <translation>画像の変更を保存せずにVeltranoを再起動</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>今すぐ再起動</translation>
    </message>
    <message>
        <source>Restart the app to apply this change.</source>
        <translation>この変更を適用するには、アプリを再起動してください。</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>右矢印キー</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>Rotate or flip the source image</source>
        <translation>ソース画像を回転または反転</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <source>Rotate the crop left</source>
        <translation>トリミング範囲を左に回転</translation>
    </message>
    <message>
        <source>Rotate the crop right</source>
        <translation>トリミング範囲を右に回転</translation>
    </message>
    <message>
        <source>SELECTED TEXT</source>
        <translation>選択したテキスト</translation>
    </message>
    <message>
        <source>SELECTION ASPECT RATIO</source>
        <translation>選択範囲の縦横比</translation>
    </message>
    <message>
        <source>SELECTION SIZE</source>
        <translation>選択範囲のサイズ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>画像を保存</translation>
    </message>
    <message>
        <source>Save before restarting?</source>
        <translation>再起動する前に保存しますか？</translation>
    </message>
    <message>
        <source>Save image before closing</source>
        <translation>閉じる前に画像を保存</translation>
    </message>
    <message>
        <source>Save image before opening another image</source>
        <translation>別の画像を開く前に画像を保存</translation>
    </message>
    <message>
        <source>Save images</source>
        <translation>画像を保存</translation>
    </message>
    <message>
        <source>Save images…</source>
        <translation>画像を保存…</translation>
    </message>
    <message>
        <source>Save the complete Original, Simulation, or Comparison image</source>
        <translation>オリジナル、シミュレーション、または比較画像全体を保存</translation>
    </message>
    <message>
        <source>Save to the Veltrano folder inside the system&apos;s Pictures folder.</source>
        <translation>システムの画像フォルダー内のVeltranoフォルダーに保存します。</translation>
    </message>
    <message>
        <source>Save video</source>
        <translation>動画を保存</translation>
    </message>
    <message>
        <source>Save video…</source>
        <translation>動画を保存…</translation>
    </message>
    <message>
        <source>Saved image size</source>
        <translation>保存する画像のサイズ</translation>
    </message>
    <message>
        <source>Saved to</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>左へスクロール</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>右へスクロール</translation>
    </message>
    <message>
        <source>Select / Move</source>
        <translation>選択 / 移動</translation>
    </message>
    <message>
        <source>Select Draw</source>
        <translation>描画を選択</translation>
    </message>
    <message>
        <source>Select Eraser</source>
        <translation>消しゴムを選択</translation>
    </message>
    <message>
        <source>Select Grow</source>
        <translation>膨張を選択</translation>
    </message>
    <message>
        <source>Select Push</source>
        <translation>プッシュを選択</translation>
    </message>
    <message>
        <source>Select Reconstruct</source>
        <translation>復元を選択</translation>
    </message>
    <message>
        <source>Select Shrink</source>
        <translation>収縮を選択</translation>
    </message>
    <message>
        <source>Select Text</source>
        <translation>テキストを選択</translation>
    </message>
    <message>
        <source>Select folder</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>Select or move annotation tool</source>
        <translation>注釈の選択/移動ツール</translation>
    </message>
    <message>
        <source>Select or move annotations</source>
        <translation>注釈を選択または移動</translation>
    </message>
    <message>
        <source>Select the area you want to edit. The darker area remains visible for context but will be excluded from the editor.</source>
        <translation>編集する範囲を選択してください。暗い部分は参考として表示されたままですが、エディターには含まれません。</translation>
    </message>
    <message>
        <source>Select the next editor tab</source>
        <translation>次のエディタータブを選択</translation>
    </message>
    <message>
        <source>Select the previous editor tab</source>
        <translation>前のエディタータブを選択</translation>
    </message>
    <message>
        <source>Select the topmost annotation under the pointer, then drag it to reposition it on the Simulation.
You can also double-click any annotation to select it without first choosing this tool.</source>
        <translation>ポインターの下にある最前面の注釈を選択し、ドラッグしてシミュレーション上の位置を変更します。
このツールを選ばなくても、注釈をダブルクリックすれば選択できます。</translation>
    </message>
    <message>
        <source>Select the topmost drawing object and drag it to move (V)</source>
        <translation>最前面の描画オブジェクトを選択し、ドラッグして移動（V）</translation>
    </message>
    <message>
        <source>Select this crop aspect ratio</source>
        <translation>この縦横比でトリミング</translation>
    </message>
    <message>
        <source>Select which image view you want to save.</source>
        <translation>保存する画像の表示を選択してください。</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>選択済み</translation>
    </message>
    <message>
        <source>Selected folder</source>
        <translation>選択したフォルダー</translation>
    </message>
    <message>
        <source>Selected folder information</source>
        <translation>選択したフォルダーの情報</translation>
    </message>
    <message>
        <source>Selection %1 by %2 source pixels</source>
        <translation>選択範囲 %1 × %2 ソースピクセル</translation>
    </message>
    <message>
        <source>Selection size</source>
        <translation>選択範囲のサイズ</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>フィードバックを送信</translation>
    </message>
    <message>
        <source>Send by Email…</source>
        <translation>メールで送信…</translation>
    </message>
    <message>
        <source>Send report</source>
        <translation>レポートを送信</translation>
    </message>
    <message>
        <source>Sending feedback</source>
        <translation>フィードバックを送信中</translation>
    </message>
    <message>
        <source>Sending feedback…</source>
        <translation>フィードバックを送信しています…</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>送信中…</translation>
    </message>
    <message>
        <source>Set the maximum working canvas size. Smaller images are unaffected. Larger images are scaled down to the maximum size set here.</source>
        <translation>作業キャンバスの最大サイズを設定します。これより小さい画像は影響を受けません。大きい画像は、ここで設定した最大サイズに縮小されます。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Share image</source>
        <translation>画像を共有</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>共有…</translation>
    </message>
    <message>
        <source>Sharing could not start. %1</source>
        <translation>共有を開始できませんでした。%1</translation>
    </message>
    <message>
        <source>Sharing unavailable</source>
        <translation>共有を利用できません</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>ショートカット：%1</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Show image labels in Comparison</source>
        <translation>比較で画像ラベルを表示</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>ファイルマネージャーで表示</translation>
    </message>
    <message>
        <source>Show inspector</source>
        <translation>インスペクターを表示</translation>
    </message>
    <message>
        <source>Show one source image pixel per layout pixel</source>
        <translation>ソース画像の1ピクセルを画面の1ピクセルで表示</translation>
    </message>
    <message>
        <source>Show or hide Comparison labels</source>
        <translation>比較ラベルの表示/非表示</translation>
    </message>
    <message>
        <source>Shrink</source>
        <translation>収縮</translation>
    </message>
    <message>
        <source>Shrink reshape tool</source>
        <translation>収縮変形ツール</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>シミュレーション</translation>
    </message>
    <message>
        <source>Simulation image</source>
        <translation>シミュレーション画像</translation>
    </message>
    <message>
        <source>Simulation image label</source>
        <translation>シミュレーション画像のラベル</translation>
    </message>
    <message>
        <source>Simulation label</source>
        <translation>シミュレーションのラベル</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Slightly enlarge the eye opening; use a small brush and apply the effect gradually.</source>
        <translation>目の開きをわずかに大きくします。小さなブラシを使い、効果を少しずつ適用してください。</translation>
    </message>
    <message>
        <source>Slim full cheeks to simulate a buccal fat reduction.</source>
        <translation>ふっくらした頬をすっきりさせ、頬脂肪の除去をシミュレーションします。</translation>
    </message>
    <message>
        <source>Slim the inner and outer thigh line with opposing strokes.</source>
        <translation>太ももの内側と外側のラインを、逆方向のストロークで細くします。</translation>
    </message>
    <message>
        <source>Social 4:5</source>
        <translation>SNS 4:5</translation>
    </message>
    <message>
        <source>Source photo, unedited.</source>
        <translation>未編集のソース写真。</translation>
    </message>
    <message>
        <source>Square 1:1</source>
        <translation>正方形 1:1</translation>
    </message>
    <message>
        <source>Stored locally on this device.</source>
        <translation>このデバイスにローカルに保存されます。</translation>
    </message>
    <message>
        <source>Stored locally. Never included unless you select it for that output.</source>
        <translation>ローカルに保存されます。その出力で選択しない限り、含まれることはありません。</translation>
    </message>
    <message>
        <source>Stroke size</source>
        <translation>線の太さ</translation>
    </message>
    <message>
        <source>Subfolder name (optional)</source>
        <translation>サブフォルダー名（省略可）</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>Supported images: JPEG · PNG · BMP · TIFF · HEIC/HEIF</source>
        <translation>対応画像：JPEG · PNG · BMP · TIFF · HEIC/HEIF</translation>
    </message>
    <message>
        <source>Synchronized zoom (Ctrl + mouse wheel)</source>
        <translation>同期ズーム（Ctrl + マウスホイール）</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Text annotation tool</source>
        <translation>テキスト注釈ツール</translation>
    </message>
    <message>
        <source>Thank you. Report ID:
</source>
        <translation>ありがとうございました。レポートID：
</translation>
    </message>
    <message>
        <source>Thank you. Your feedback was received.</source>
        <translation>ありがとうございました。フィードバックを受け付けました。</translation>
    </message>
    <message>
        <source>The Pictures folder cannot be accessed.</source>
        <translation>画像フォルダーにアクセスできません。</translation>
    </message>
    <message>
        <source>The animation video could not be placed at the selected location.</source>
        <translation>アニメーション動画を選択した場所に配置できませんでした。</translation>
    </message>
    <message>
        <source>The animation video was saved successfully.</source>
        <translation>アニメーション動画を保存しました。</translation>
    </message>
    <message>
        <source>The base filename cannot be “.” or “..”.</source>
        <translation>ベースファイル名に「.」や「..」は使えません。</translation>
    </message>
    <message>
        <source>The base filename cannot contain line breaks, tabs or other control characters.</source>
        <translation>ベースファイル名に改行、タブ、その他の制御文字は使えません。</translation>
    </message>
    <message>
        <source>The base filename is too long for the file system.</source>
        <translation>ベースファイル名がファイルシステムの上限を超えています。</translation>
    </message>
    <message>
        <source>The base filename must be 180 characters or fewer.</source>
        <translation>ベースファイル名は180文字以内にしてください。</translation>
    </message>
    <message>
        <source>The changes are not saved. Restarting now will discard them.</source>
        <translation>変更は保存されていません。今再起動すると変更は破棄されます。</translation>
    </message>
    <message>
        <source>The complete animation could not be prepared.</source>
        <translation>アニメーション全体を準備できませんでした。</translation>
    </message>
    <message>
        <source>The complete image could not be prepared.</source>
        <translation>画像全体を準備できませんでした。</translation>
    </message>
    <message>
        <source>The crash report could not be sent. Check the internet connection and try again.</source>
        <translation>クラッシュレポートを送信できませんでした。インターネット接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The data couldn’t be read because it isn’t in the correct format.</source>
        <translation>データの形式が正しくないため、読み込めませんでした。</translation>
    </message>
    <message>
        <source>The disk may be full or the location unavailable.</source>
        <translation>ディスクがいっぱいか、保存先が利用できない可能性があります。</translation>
    </message>
    <message>
        <source>The editing canvas cannot be used.</source>
        <translation>編集キャンバスを使用できません。</translation>
    </message>
    <message>
        <source>The editing canvas could not be prepared.</source>
        <translation>編集キャンバスを準備できませんでした。</translation>
    </message>
    <message>
        <source>The feedback could not be safely retried. Close this dialog and try again.</source>
        <translation>フィードバックを安全に再送信できませんでした。このダイアログを閉じて、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The feedback could not be sent because one or more fields are invalid.</source>
        <translation>無効なフィールドがあるため、フィードバックを送信できませんでした。</translation>
    </message>
    <message>
        <source>The feedback could not be sent. Check the internet connection and try again.</source>
        <translation>フィードバックを送信できませんでした。インターネット接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The feedback service returned an invalid response.</source>
        <translation>フィードバックサービスから無効な応答が返されました。</translation>
    </message>
    <message>
        <source>The file could not be written. The disk may be full.</source>
        <translation>ファイルを書き込めませんでした。ディスクがいっぱいの可能性があります。</translation>
    </message>
    <message>
        <source>The file manager could not open the containing folder.</source>
        <translation>ファイルマネージャーで保存先フォルダーを開けませんでした。</translation>
    </message>
    <message>
        <source>The file manager could not show the image.</source>
        <translation>ファイルマネージャーで画像を表示できませんでした。</translation>
    </message>
    <message>
        <source>The image could not be copied to the clipboard.</source>
        <translation>画像をクリップボードにコピーできませんでした。</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>画像をエンコードできませんでした。</translation>
    </message>
    <message>
        <source>The image could not be saved. %1</source>
        <translation>画像を保存できませんでした。%1</translation>
    </message>
    <message>
        <source>The image could not be shared. %1</source>
        <translation>画像を共有できませんでした。%1</translation>
    </message>
    <message>
        <source>The image was saved successfully.</source>
        <translation>画像を保存しました。</translation>
    </message>
    <message>
        <source>The images were saved successfully.</source>
        <translation>すべての画像を保存しました。</translation>
    </message>
    <message>
        <source>The original image file was not changed. Close and reopen Veltrano before editing this image again. Changes made in the current editor session have not been saved.

If the problem persists, contact support at %1.</source>
        <translation>元の画像ファイルは変更されていません。この画像を再度編集する前に、Veltranoを終了してから開き直してください。現在のエディターセッションで行った変更は保存されていません。

問題が解決しない場合は、次のアドレスでサポートにお問い合わせください：%1</translation>
    </message>
    <message>
        <source>The print job failed.</source>
        <translation>印刷ジョブが失敗しました。</translation>
    </message>
    <message>
        <source>The replacement image could not be loaded.</source>
        <translation>差し替える画像を読み込めませんでした。</translation>
    </message>
    <message>
        <source>The requested action could not be completed.</source>
        <translation>要求された操作を完了できませんでした。</translation>
    </message>
    <message>
        <source>The saved animation video could not be validated.</source>
        <translation>保存したアニメーション動画を検証できませんでした。</translation>
    </message>
    <message>
        <source>The saved image could not be validated.</source>
        <translation>保存した画像を検証できませんでした。</translation>
    </message>
    <message>
        <source>The settings file was written by another version of Veltrano.</source>
        <translation>設定ファイルは別のバージョンのVeltranoで作成されました。</translation>
    </message>
    <message>
        <source>The source image changed after it was opened. Please open it again before editing.</source>
        <translation>ソース画像が開いた後に変更されました。編集する前に画像を開き直してください。</translation>
    </message>
    <message>
        <source>The subfolder name cannot be “.” or “..”.</source>
        <translation>サブフォルダー名に「.」や「..」は使えません。</translation>
    </message>
    <message>
        <source>The subfolder name cannot contain line breaks, tabs or other control characters.</source>
        <translation>サブフォルダー名に改行、タブ、その他の制御文字は使えません。</translation>
    </message>
    <message>
        <source>The subfolder name is too long for the file system.</source>
        <translation>サブフォルダー名がファイルシステムの上限を超えています。</translation>
    </message>
    <message>
        <source>The subfolder name must be 255 characters or fewer.</source>
        <translation>サブフォルダー名は255文字以内にしてください。</translation>
    </message>
    <message>
        <source>The system could not create or read the temporary sharing image.</source>
        <translation>システムが共有用の一時画像を作成または読み込めませんでした。</translation>
    </message>
    <message>
        <source>The system could not open the Share menu for this application.</source>
        <translation>システムがこのアプリの共有メニューを開けませんでした。</translation>
    </message>
    <message>
        <source>The system could not write or finalize the video. The disk may be full, the location unavailable, or the file in use.</source>
        <translation>システムが動画の書き込みまたは最終処理を完了できませんでした。ディスクがいっぱいか、保存先が利用できないか、ファイルが使用中の可能性があります。</translation>
    </message>
    <message>
        <source>The system may have started replacing the destination. Check the file before retrying.</source>
        <translation>システムが保存先のファイルの置き換えを開始した可能性があります。再試行する前にファイルを確認してください。</translation>
    </message>
    <message>
        <source>The tab-view suffix will be appended to the base filename.</source>
        <translation>ベースファイル名の後にタブ表示の接尾辞が付きます。</translation>
    </message>
    <message>
        <source>The temporary shared image is locked and will be removed later.</source>
        <translation>一時共有画像はロックされているため、後で削除されます。</translation>
    </message>
    <message>
        <source>The temporary sharing image could not be prepared.</source>
        <translation>共有用の一時画像を準備できませんでした。</translation>
    </message>
    <message>
        <source>The temporary sharing image could not be validated.</source>
        <translation>共有用の一時画像を検証できませんでした。</translation>
    </message>
    <message>
        <source>These optional settings allow you to control the pixel dimensions of your saved images.</source>
        <translation>これらのオプション設定で、保存する画像のピクセルサイズを制御できます。</translation>
    </message>
    <message>
        <source>These settings could not be saved. They remain active for this session.</source>
        <translation>これらの設定を保存できませんでした。このセッション中は引き続き有効です。</translation>
    </message>
    <message>
        <source>These watermark labels appear in the top corners of the editor&apos;s Comparison tab. You can also include them in saved, shared, and printed Comparison images.</source>
        <translation>これらの透かしラベルは、エディターの比較タブの上隅に表示されます。保存、共有、印刷する比較画像に含めることもできます。</translation>
    </message>
    <message>
        <source>Thighs</source>
        <translation>太もも</translation>
    </message>
    <message>
        <source>This computer could not start the H.264 video encoder.</source>
        <translation>このコンピューターでH.264ビデオエンコーダーを起動できませんでした。</translation>
    </message>
    <message>
        <source>This crop is not valid. Please adjust it before going to the editor.</source>
        <translation>このトリミング範囲は無効です。エディターに進む前に調整してください。</translation>
    </message>
    <message>
        <source>This folder cannot be accessed. Choose another save location.</source>
        <translation>このフォルダーにアクセスできません。別の保存先を選択してください。</translation>
    </message>
    <message>
        <source>This folder is created inside the selected location. Leave blank to save directly there.</source>
        <translation>このフォルダーは選択した場所の中に作成されます。空欄にすると、選択した場所に直接保存されます。</translation>
    </message>
    <message>
        <source>This folder no longer exists or cannot be accessed. Choose another save location.</source>
        <translation>このフォルダーは存在しないか、アクセスできません。別の保存先を選択してください。</translation>
    </message>
    <message>
        <source>This folder no longer exists. Choose another save location.</source>
        <translation>このフォルダーはもう存在しません。別の保存先を選択してください。</translation>
    </message>
    <message>
        <source>This image could not be opened.</source>
        <translation>この画像を開けませんでした。</translation>
    </message>
    <message>
        <source>This image could not be opened. Please choose another local image.</source>
        <translation>この画像を開けませんでした。別のローカル画像を選択してください。</translation>
    </message>
    <message>
        <source>This image could not be prepared for editing. Please adjust the crop or open it again.</source>
        <translation>この画像を編集用に準備できませんでした。トリミング範囲を調整するか、画像を開き直してください。</translation>
    </message>
    <message>
        <source>This image could not be read. It may be damaged, or incompatible</source>
        <translation>この画像を読み込めませんでした。破損しているか、互換性がない可能性があります</translation>
    </message>
    <message>
        <source>This image is too large to open safely.</source>
        <translation>この画像は大きすぎるため、安全に開くことができません。</translation>
    </message>
    <message>
        <source>This path is display-only. Use Pictures, Recent locations, or Browse to select or create another folder. To save inside a subfolder, enter its name in Subfolder name field (optional).</source>
        <translation>このパスは表示専用です。別のフォルダーを選択または作成するには、「画像フォルダー」、「最近の場所」、または「参照」を使用してください。サブフォルダーに保存するには、「サブフォルダー名」フィールドに名前を入力してください（省略可）。</translation>
    </message>
    <message>
        <source>This recent folder no longer exists or is disconnected.</source>
        <translation>この最近使用したフォルダーは存在しないか、接続されていません。</translation>
    </message>
    <message>
        <source>To stop animation, select another tab.</source>
        <translation>アニメーションを停止するには、別のタブを選択してください。</translation>
    </message>
    <message>
        <source>Toggle Comparison Labels</source>
        <translation>比較ラベルの表示/非表示</translation>
    </message>
    <message>
        <source>Toggle Inspector</source>
        <translation>インスペクターの表示/非表示</translation>
    </message>
    <message>
        <source>Toggle Original/Simulation labels on the Comparison tab (Ctrl+L)</source>
        <translation>比較タブのオリジナル/シミュレーションラベルの表示/非表示（Ctrl+L）</translation>
    </message>
    <message>
        <source>Toggle Toolbar</source>
        <translation>ツールバーの表示/非表示</translation>
    </message>
    <message>
        <source>Too many feedback messages were submitted. Please try again later.</source>
        <translation>送信されたフィードバックが多すぎます。しばらくしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Tool Suggestions</source>
        <translation>ツールのヒント</translation>
    </message>
    <message>
        <source>Tool diameter</source>
        <translation>ツールの直径</translation>
    </message>
    <message>
        <source>Türkçe</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Unable to open editor</source>
        <translation>エディターを開けません</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Undo the last action (Ctrl+Z)</source>
        <translation>最後の操作を元に戻す（Ctrl+Z）</translation>
    </message>
    <message>
        <source>Undo the latest action</source>
        <translation>最後の操作を元に戻す</translation>
    </message>
    <message>
        <source>Unsaved image changes</source>
        <translation>未保存の画像の変更</translation>
    </message>
    <message>
        <source>Use Brazilian Portuguese</source>
        <translation>ポルトガル語（ブラジル）を使用</translation>
    </message>
    <message>
        <source>Use English</source>
        <translation>英語を使用</translation>
    </message>
    <message>
        <source>Use French</source>
        <translation>フランス語を使用</translation>
    </message>
    <message>
        <source>Use Italian</source>
        <translation>イタリア語を使用</translation>
    </message>
    <message>
        <source>Use Japanese</source>
        <translation>日本語を使用</translation>
    </message>
    <message>
        <source>Use Korean</source>
        <translation>韓国語を使用</translation>
    </message>
    <message>
        <source>Use Simplified Chinese</source>
        <translation>簡体字中国語を使用</translation>
    </message>
    <message>
        <source>Use Spanish</source>
        <translation>スペイン語を使用</translation>
    </message>
    <message>
        <source>Use Turkish</source>
        <translation>トルコ語を使用</translation>
    </message>
    <message>
        <source>Use the system print workflow</source>
        <translation>システムの印刷機能を使用</translation>
    </message>
    <message>
        <source>Veltrano</source>
        <translation>Veltrano</translation>
    </message>
    <message>
        <source>Veltrano captured a crash from the previous session.

Send a diagnostic report to help identify the cause?

Included:
• App, operating system and build versions
• Crash signal, exception type, thread stacks and registers
• Binary names, load addresses and build IDs for symbolication

Not included:
• Images or project content
• File names or paths
• Contact information, credentials
• Exception reasons, the system journal or system crash reports

Threads: %1
Upload size: %2
Signal: %3 (%4)</source>
        <translation>Veltranoは前回のセッションでクラッシュを記録しました。

原因の特定に役立てるため、診断レポートを送信しますか？

含まれる情報：
• アプリ、オペレーティングシステム、ビルドのバージョン
• クラッシュシグナル、例外の種類、スレッドスタック、レジスタ
• シンボル化のためのバイナリ名、ロードアドレス、ビルドID

含まれない情報：
• 画像やプロジェクトの内容
• ファイル名やパス
• 連絡先情報、認証情報
• 例外の理由、システムジャーナル、システムのクラッシュレポート

スレッド数：%1
アップロードサイズ：%2
シグナル：%3（%4）</translation>
    </message>
    <message>
        <source>Veltrano content</source>
        <translation>Veltranoの内容</translation>
    </message>
    <message>
        <source>Veltrano could not find an available filename after 999 versions.</source>
        <translation>999バージョンを試しましたが、Veltranoは使用可能なファイル名を見つけられませんでした。</translation>
    </message>
    <message>
        <source>Veltrano could not prepare the selected image for sharing.</source>
        <translation>Veltranoは選択した画像を共有用に準備できませんでした。</translation>
    </message>
    <message>
        <source>Veltrano could not remove its temporary video file. You may delete it manually:</source>
        <translation>Veltranoは一時動画ファイルを削除できませんでした。手動で削除してください：</translation>
    </message>
    <message>
        <source>Veltrano could not remove its temporary video folder. You may delete it manually:</source>
        <translation>Veltranoは一時動画フォルダーを削除できませんでした。手動で削除してください：</translation>
    </message>
    <message>
        <source>Veltrano could not remove these temporary or incomplete image files. Inspect them manually:</source>
        <translation>Veltranoは次の一時ファイルまたは不完全な画像ファイルを削除できませんでした。手動で確認してください：</translation>
    </message>
    <message>
        <source>Veltrano could not restart. Close and reopen the app.</source>
        <translation>Veltranoを再起動できませんでした。アプリを終了してから開き直してください。</translation>
    </message>
    <message>
        <source>Veltrano detected a previous crash but could not prepare its diagnostic report. Any crash record kept by the system remains available.</source>
        <translation>Veltranoは前回のクラッシュを検出しましたが、診断レポートを準備できませんでした。システムが保持しているクラッシュ記録は引き続き利用できます。</translation>
    </message>
    <message>
        <source>Veltrano encountered an unexpected error</source>
        <translation>Veltranoで予期しないエラーが発生しました</translation>
    </message>
    <message>
        <source>Veltrano image</source>
        <translation>Veltranoの画像</translation>
    </message>
    <message>
        <source>Veltrano prepares one JPEG, then the desktop shows the compatible sharing apps installed for this account.</source>
        <translation>VeltranoがJPEGを1枚準備すると、デスクトップにこのアカウントにインストールされている対応の共有アプリが表示されます。</translation>
    </message>
    <message>
        <source>Vertical 9:16</source>
        <translation>縦長 9:16</translation>
    </message>
    <message>
        <source>Video not saved</source>
        <translation>動画を保存できませんでした</translation>
    </message>
    <message>
        <source>Video save cancelled</source>
        <translation>動画の保存をキャンセルしました</translation>
    </message>
    <message>
        <source>Video saved</source>
        <translation>動画を保存しました</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>View and navigation</source>
        <translation>表示とナビゲーション</translation>
    </message>
    <message>
        <source>WATERMARKS</source>
        <translation>透かし</translation>
    </message>
    <message>
        <source>WHAT TO SHARE</source>
        <translation>共有する内容</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>ウエスト</translation>
    </message>
    <message>
        <source>Watermark labels appear in saved image corners, including Comparison. Typical values: “Before / After” or “Original / Simulation.” Current values: %1 / %2.</source>
        <translation>透かしラベルは、比較画像を含む保存画像の隅に表示されます。一般的な値：「施術前 / 施術後」または「オリジナル / シミュレーション」。現在の値：%1 / %2。</translation>
    </message>
    <message>
        <source>Watermarks</source>
        <translation>透かし</translation>
    </message>
    <message>
        <source>We recommend keeping the default value. If image manipulation feels slow on a less powerful computer, try reducing the maximum image size to improve responsiveness. The current image will not be resized; this setting applies to the next image you open.</source>
        <translation>デフォルト値のままにすることをお勧めします。性能の低いコンピューターで画像の操作が遅いと感じる場合は、画像の最大サイズを小さくすると応答性が向上します。現在の画像のサイズは変更されません。この設定は次に開く画像から適用されます。</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Webサイト</translation>
    </message>
    <message>
        <source>Web site address</source>
        <translation>WebサイトのURL</translation>
    </message>
    <message>
        <source>What to save</source>
        <translation>保存する内容</translation>
    </message>
    <message>
        <source>Where / What</source>
        <translation>保存先 / 内容</translation>
    </message>
    <message>
        <source>Wide 16:9</source>
        <translation>ワイド 16:9</translation>
    </message>
    <message>
        <source>With the Text tool selected, click the Simulation image exactly where you want to add your text.
Double-click existing text to select it, then drag to move it.</source>
        <translation>テキストツールを選択した状態で、テキストを追加したいシミュレーション画像上の位置を正確にクリックします。
既存のテキストをダブルクリックして選択し、ドラッグして移動します。</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>You are already on the Animation tab</source>
        <translation>すでにアニメーションタブを表示しています</translation>
    </message>
    <message>
        <source>You are already on the Original picture tab</source>
        <translation>すでにオリジナルタブを表示しています</translation>
    </message>
    <message>
        <source>You can&apos;t modify the image on the Animate tab. Select the Simulation or Comparison tab to edit it.</source>
        <translation>アニメーションタブでは画像を変更できません。編集するには、シミュレーションタブまたは比較タブを選択してください。</translation>
    </message>
    <message>
        <source>You can&apos;t modify the original image</source>
        <translation>オリジナル画像は変更できません</translation>
    </message>
    <message>
        <source>Your animation video is ready.</source>
        <translation>アニメーション動画の準備ができました。</translation>
    </message>
    <message>
        <source>Your crop remains available.</source>
        <translation>トリミング範囲はそのまま保持されています。</translation>
    </message>
    <message>
        <source>Your crop remains available. Adjust it or try again.</source>
        <translation>トリミング範囲はそのまま保持されています。調整するか、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Your current editor image remains open and unchanged.</source>
        <translation>エディターの現在の画像は開いたまま変更されていません。</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you close now, those changes in the editor will be discarded.</source>
        <translation>現在の結果は画像として保存されていません。今閉じると、エディターでの変更は破棄されます。</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you open another image now, those changes in the editor will be discarded.</source>
        <translation>現在の結果は画像として保存されていません。今別の画像を開くと、エディターでの変更は破棄されます。</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you restart now, those changes in the editor will be discarded.</source>
        <translation>現在の結果は画像として保存されていません。今再起動すると、エディターでの変更は破棄されます。</translation>
    </message>
    <message>
        <source>Your feedback, name, and email will be sent to Veltrano support.</source>
        <translation>フィードバック、名前、メールアドレスはVeltranoサポートに送信されます。</translation>
    </message>
    <message>
        <source>Your image is being saved</source>
        <translation>画像を保存しています</translation>
    </message>
    <message>
        <source>Your image is ready.</source>
        <translation>画像の準備ができました。</translation>
    </message>
    <message>
        <source>Your images are never uploaded or transmitted to us.</source>
        <translation>画像がアップロードされたり、当社に送信されたりすることはありません。</translation>
    </message>
    <message>
        <source>Your images are ready.</source>
        <translation>すべての画像の準備ができました。</translation>
    </message>
    <message>
        <source>Your latest changes have not been saved.</source>
        <translation>最新の変更が保存されていません。</translation>
    </message>
    <message>
        <source>Your reshaped result.</source>
        <translation>変形した結果。</translation>
    </message>
    <message>
        <source>Your video is being saved</source>
        <translation>動画を保存しています</translation>
    </message>
    <message>
        <source>You’ve reached the 5-step undo limit. Use Reconstruct for earlier deformation, or Eraser to remove earlier drawing.</source>
        <translation>元に戻せるのは5ステップまでです。それより前の変形は復元ツールで、それより前の描画は消しゴムで取り除いてください。</translation>
    </message>
    <message>
        <source>ZOOM</source>
        <translation>ズーム</translation>
    </message>
    <message>
        <source>ZOOM IMAGE</source>
        <translation>画像のズーム</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Zoom from Fit to sixteen times Fit</source>
        <translation>全体表示から全体表示の16倍までズーム</translation>
    </message>
    <message>
        <source>Zoom in before moving the image</source>
        <translation>画像を移動する前に拡大してください</translation>
    </message>
    <message>
        <source>Zoom in incrementally</source>
        <translation>段階的に拡大</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>拡大または縮小</translation>
    </message>
    <message>
        <source>Zoom out incrementally</source>
        <translation>段階的に縮小</translation>
    </message>
    <message>
        <source>or</source>
        <translation>または</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>– Edit ›</source>
        <translation>– 編集 ›</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>한국어</source>
        <translation>한국어</translation>
    </message>
</context>
</TS>
