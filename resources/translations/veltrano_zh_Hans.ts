<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<!--
Glossary (English = zh-Hans); later texts follow it:
  Animate = 动画
  Annotate mode = 标注模式
  annotation = 标注
  Before / After = 术前 / 术后
  brush = 画笔
  canvas = 画布
  Cinema (crop preset) = 宽银幕
  collapse / expand = 折叠 / 展开
  Comparison = 对比图
  comparison labels = 对比标签
  contact information = 联系信息
  crash report = 崩溃报告
  crop = 裁剪
  deformation = 变形
  editing canvas = 编辑画布
  editor = 编辑器
  Eraser = 橡皮擦
  feedback = 反馈
  file manager = 文件管理器
  Fit = 适合窗口
  Grow = 膨胀
  inspector = 检查器
  label (watermark label) = 标签
  Left Arrow / Right Arrow = 左方向键 / 右方向键
  mirrored = 已翻转
  Original = 原图
  Output = 输出
  Pictures (folder) = 图片
  Print = 打印
  Push = 推动
  Reconstruct = 重建
  redo = 重做
  reset = 重置
  reshape = 塑形
  Save images = 保存图像
  Save video = 保存视频
  Settings = 设置
  Share = 共享
  Shrink = 收缩
  Simulation = 模拟图
  source image = 源图像
  Spacebar = 空格键
  square (Square 1:1, square images) = 正方形
  still image = 静态图像
  tab = 标签页
  Text (tool) / text = 文本
  undo = 撤销
  video = 视频
  watermark = 水印
  zoom = 缩放
  Zoom In / Zoom Out = 放大 / 缩小
Never use (native readers misread them; the check refuses them):
  Push ≠ 推移: reads as “passage of time”; Push is 推动
  square ≠ 方形: reads as any squarish shape; the 1:1 square is 正方形
  Cinema ≠ 影院: names the building, a movie theatre, not the picture’s shape; 21:9 is 宽银幕
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
        <translation>%1 字节</translation>
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
        <translation>%1 — 不可用 - 移除</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation>%1，%2 磅</translation>
    </message>
    <message>
        <source>%1, %2 pt, italic</source>
        <translation>%1，%2 磅，斜体</translation>
    </message>
    <message>
        <source>%1, mirrored</source>
        <translation>%1，已翻转</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 字节</translation>
    </message>
    <message>
        <source>3 SHORTCUTS WORTH KNOWING</source>
        <translation>3 个实用快捷键</translation>
    </message>
    <message>
        <source>About Veltrano</source>
        <translation>关于 Veltrano</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>实际大小</translation>
    </message>
    <message>
        <source>Add an Original or Simulation label to enable this option.</source>
        <translation>添加原图或模拟图标签以启用此选项。</translation>
    </message>
    <message>
        <source>Add contact information to enable this option.</source>
        <translation>添加联系信息以启用此选项。</translation>
    </message>
    <message>
        <source>Add mid-face volume for a filler-like fullness.</source>
        <translation>为面中部增加容量，呈现类似填充的饱满效果。</translation>
    </message>
    <message>
        <source>Add multiline text to the Simulation (T)</source>
        <translation>向模拟图添加多行文本（T）</translation>
    </message>
    <message>
        <source>Add multiline text to the Simulation.</source>
        <translation>向模拟图添加多行文本。</translation>
    </message>
    <message>
        <source>Add projection and roundness for an augmentation effect.</source>
        <translation>增加突度和圆润感，呈现丰盈效果。</translation>
    </message>
    <message>
        <source>Add text</source>
        <translation>添加文本</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Adjust brush size</source>
        <translation>调整画笔大小</translation>
    </message>
    <message>
        <source>Adjust brush size (Alt + two-finger scroll or mouse wheel)</source>
        <translation>调整画笔大小（Alt + 双指滚动或鼠标滚轮）</translation>
    </message>
    <message>
        <source>All shortcuts</source>
        <translation>所有快捷键</translation>
    </message>
    <message>
        <source>All three tabs (3 pages)</source>
        <translation>全部三个标签页（3 页）</translation>
    </message>
    <message>
        <source>All three tabs — saves 3 files</source>
        <translation>全部三个标签页 — 保存 3 个文件</translation>
    </message>
    <message>
        <source>Alt + 2-finger scroll
or mouse wheel</source>
        <translation>Alt + 双指滚动
或鼠标滚轮</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>动画</translation>
    </message>
    <message>
        <source>Animation video could not be saved. %1</source>
        <translation>无法保存动画视频。%1</translation>
    </message>
    <message>
        <source>Animation video export was cancelled, but cleanup needs attention.</source>
        <translation>动画视频导出已取消，但需要处理清理问题。</translation>
    </message>
    <message>
        <source>Animation video requires an editing canvas at least 2 × 2 pixels.</source>
        <translation>动画视频要求编辑画布至少为 2 × 2 像素。</translation>
    </message>
    <message>
        <source>Annotate</source>
        <translation>标注</translation>
    </message>
    <message>
        <source>Annotate mode</source>
        <translation>标注模式</translation>
    </message>
    <message>
        <source>Annotation eraser tool</source>
        <translation>标注橡皮擦工具</translation>
    </message>
    <message>
        <source>Annotation tools</source>
        <translation>标注工具</translation>
    </message>
    <message>
        <source>Any existing file at this destination was left unchanged.</source>
        <translation>此位置的现有文件未被更改。</translation>
    </message>
    <message>
        <source>Arms</source>
        <translation>手臂</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Automatically adapts both saved-image size limits to the current image dimensions.</source>
        <translation>根据当前图像尺寸自动调整两项保存图像尺寸上限。</translation>
    </message>
    <message>
        <source>BRUSH</source>
        <translation>画笔</translation>
    </message>
    <message>
        <source>BRUSH SIZE</source>
        <translation>画笔大小</translation>
    </message>
    <message>
        <source>Backspace or Delete</source>
        <translation>Backspace 或 Delete</translation>
    </message>
    <message>
        <source>Balance editing responsiveness and resource use on this computer.</source>
        <translation>在此计算机上平衡编辑响应速度与资源占用。</translation>
    </message>
    <message>
        <source>Base filename (e.g., patient&apos;s name)</source>
        <translation>基本文件名（例如患者姓名）</translation>
    </message>
    <message>
        <source>Breast</source>
        <translation>胸部</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <source>Brush over a changed area to progressively return it toward the Original, without resetting the rest of the simulation.</source>
        <translation>在已更改的区域上涂抹，可将其逐步恢复为原图，而不会重置模拟图的其余部分。</translation>
    </message>
    <message>
        <source>Buttocks</source>
        <translation>臀部</translation>
    </message>
    <message>
        <source>CROP · SOURCE IMAGE</source>
        <translation>裁剪 · 源图像</translation>
    </message>
    <message>
        <source>Calves</source>
        <translation>小腿</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel an incomplete action or clear the annotation selection</source>
        <translation>取消未完成的操作或清除标注选择</translation>
    </message>
    <message>
        <source>Cancel closing Veltrano</source>
        <translation>取消关闭 Veltrano</translation>
    </message>
    <message>
        <source>Cancel opening another image</source>
        <translation>取消打开其他图像</translation>
    </message>
    <message>
        <source>Cancelling video save…</source>
        <translation>正在取消保存视频…</translation>
    </message>
    <message>
        <source>Canvas size</source>
        <translation>画布大小</translation>
    </message>
    <message>
        <source>Center and fit the complete image</source>
        <translation>居中并完整显示图像</translation>
    </message>
    <message>
        <source>Center and fit the complete image (F)</source>
        <translation>居中并完整显示图像（F）</translation>
    </message>
    <message>
        <source>Changes made here are also saved in Settings, even if image saving is cancelled.</source>
        <translation>即使取消保存图像，在此处所做的更改也会保存到设置中。</translation>
    </message>
    <message>
        <source>Changes save automatically</source>
        <translation>更改会自动保存</translation>
    </message>
    <message>
        <source>Cheeks</source>
        <translation>面颊</translation>
    </message>
    <message>
        <source>Chin &amp; jaw</source>
        <translation>下巴与下颌</translation>
    </message>
    <message>
        <source>Choose a JPEG, PNG, BMP, TIFF, HEIC, or HEIF image.</source>
        <translation>请选择 JPEG、PNG、BMP、TIFF、HEIC 或 HEIF 图像。</translation>
    </message>
    <message>
        <source>Choose a save location.</source>
        <translation>请选择保存位置。</translation>
    </message>
    <message>
        <source>Choose another local photograph</source>
        <translation>选择其他本地照片</translation>
    </message>
    <message>
        <source>Choose drawing and text color</source>
        <translation>选择绘图和文本颜色</translation>
    </message>
    <message>
        <source>Choose one local image to crop. The original file will not be changed.</source>
        <translation>选择一个要裁剪的本地图像。原始文件不会被更改。</translation>
    </message>
    <message>
        <source>Choose or drop one local image to open the crop screen.</source>
        <translation>选择或拖放一个本地图像以打开裁剪界面。</translation>
    </message>
    <message>
        <source>Choose the destination and the images to save.</source>
        <translation>选择保存位置和要保存的图像。</translation>
    </message>
    <message>
        <source>Choose the destination for your saved image files.</source>
        <translation>选择图像文件的保存位置。</translation>
    </message>
    <message>
        <source>Choose the file type for saved images.</source>
        <translation>选择保存图像的文件类型。</translation>
    </message>
    <message>
        <source>Choose the font used by the Text tool</source>
        <translation>选择文本工具使用的字体</translation>
    </message>
    <message>
        <source>Choose the frame</source>
        <translation>选择画面范围</translation>
    </message>
    <message>
        <source>Choose the information included in saved images.</source>
        <translation>选择保存图像中包含的信息。</translation>
    </message>
    <message>
        <source>Choose the interface language.</source>
        <translation>选择界面语言。</translation>
    </message>
    <message>
        <source>Choose what to save and where it goes.</source>
        <translation>选择要保存的内容及保存位置。</translation>
    </message>
    <message>
        <source>Choose where to save the animation video.</source>
        <translation>请选择动画视频的保存位置。</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>选择…</translation>
    </message>
    <message>
        <source>Cinema 21:9</source>
        <translation>宽银幕 21:9</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>圆形</translation>
    </message>
    <message>
        <source>Circle annotation tool</source>
        <translation>圆形标注工具</translation>
    </message>
    <message>
        <source>Classic 4:3</source>
        <translation>经典 4:3</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>仍然关闭</translation>
    </message>
    <message>
        <source>Close GPU editor error</source>
        <translation>关闭 GPU 编辑器错误</translation>
    </message>
    <message>
        <source>Close Save images</source>
        <translation>关闭“保存图像”</translation>
    </message>
    <message>
        <source>Close Send Feedback</source>
        <translation>关闭“发送反馈”</translation>
    </message>
    <message>
        <source>Close Settings</source>
        <translation>关闭设置</translation>
    </message>
    <message>
        <source>Close Share image</source>
        <translation>关闭“共享图像”</translation>
    </message>
    <message>
        <source>Close Shortcuts</source>
        <translation>关闭快捷键</translation>
    </message>
    <message>
        <source>Close Veltrano without saving image changes</source>
        <translation>关闭 Veltrano 且不保存图像更改</translation>
    </message>
    <message>
        <source>Close error message</source>
        <translation>关闭错误信息</translation>
    </message>
    <message>
        <source>Close saved output</source>
        <translation>关闭保存结果</translation>
    </message>
    <message>
        <source>Close saved video</source>
        <translation>关闭已保存视频提示</translation>
    </message>
    <message>
        <source>Close video save error</source>
        <translation>关闭视频保存错误</translation>
    </message>
    <message>
        <source>Collapse or expand the inspector</source>
        <translation>折叠或展开检查器</translation>
    </message>
    <message>
        <source>Collapse or expand the left toolbar</source>
        <translation>折叠或展开左侧工具栏</translation>
    </message>
    <message>
        <source>Collapse toolbar (Ctrl+T)</source>
        <translation>折叠工具栏（Ctrl+T）</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Combined Original and Simulation view (switch tabs: Left/Right Arrow keys)</source>
        <translation>原图与模拟图组合视图（切换标签页：左/右方向键）</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>对比图</translation>
    </message>
    <message>
        <source>Comparison image</source>
        <translation>对比图</translation>
    </message>
    <message>
        <source>Comparison label settings</source>
        <translation>对比标签设置</translation>
    </message>
    <message>
        <source>Comparison labels</source>
        <translation>对比标签</translation>
    </message>
    <message>
        <source>Comparison maximum stacked dimension (px)</source>
        <translation>对比图最大拼合尺寸（px）</translation>
    </message>
    <message>
        <source>Contact information</source>
        <translation>联系信息</translation>
    </message>
    <message>
        <source>Contact information can be added to images shared with patients or colleagues.</source>
        <translation>可以在与患者或同事共享的图像中添加联系信息。</translation>
    </message>
    <message>
        <source>Contact information can be included in saved, shared, or printed images. Enter it once here, then choose for each output whether to include it—for example, when distributing images to colleagues or patients.</source>
        <translation>联系信息可以包含在保存、共享或打印的图像中。只需在此输入一次，然后为每次输出选择是否包含，例如在向同事或患者分发图像时。</translation>
    </message>
    <message>
        <source>Contact information settings</source>
        <translation>联系信息设置</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Continue to the desktop&apos;s sharing apps</source>
        <translation>继续前往桌面的共享应用</translation>
    </message>
    <message>
        <source>Contract an area smoothly (S)</source>
        <translation>平滑收缩区域（S）</translation>
    </message>
    <message>
        <source>Contract an area smoothly toward the centre of the brush. Use short, controlled passes for precise changes.</source>
        <translation>将区域向画笔中心平滑收缩。使用短而可控的涂抹进行精确更改。</translation>
    </message>
    <message>
        <source>Copy Image</source>
        <translation>复制图像</translation>
    </message>
    <message>
        <source>Correct the selected text while preserving its appearance and position.</source>
        <translation>修改所选文本，同时保留其外观和位置。</translation>
    </message>
    <message>
        <source>Could not decode crash report with size of %lu bytes.</source>
        <translation>无法解码大小为 %lu 字节的崩溃报告。</translation>
    </message>
    <message>
        <source>Could not decode invalid crash log header</source>
        <translation>无法解码无效的崩溃日志头</translation>
    </message>
    <message>
        <source>Could not decode truncated crash log</source>
        <translation>无法解码被截断的崩溃日志</translation>
    </message>
    <message>
        <source>Could not decode unsupported crash report version: %d</source>
        <translation>无法解码不受支持的崩溃报告版本：%d</translation>
    </message>
    <message>
        <source>Crash report has an unknown architecture</source>
        <translation>崩溃报告的架构未知</translation>
    </message>
    <message>
        <source>Crash report includes too many Mach Exception codes</source>
        <translation>崩溃报告包含的 Mach 异常代码过多</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information app identifier field</source>
        <translation>崩溃报告缺少应用程序信息中的应用标识符字段</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information app version field</source>
        <translation>崩溃报告缺少应用程序信息中的应用版本字段</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information section</source>
        <translation>崩溃报告缺少应用程序信息部分</translation>
    </message>
    <message>
        <source>Crash report is missing Exception Information section</source>
        <translation>崩溃报告缺少异常信息部分</translation>
    </message>
    <message>
        <source>Crash report is missing Mach Exception Information section</source>
        <translation>崩溃报告缺少 Mach 异常信息部分</translation>
    </message>
    <message>
        <source>Crash report is missing Machine Information section</source>
        <translation>崩溃报告缺少机器信息部分</translation>
    </message>
    <message>
        <source>Crash report is missing Process Information section</source>
        <translation>崩溃报告缺少进程信息部分</translation>
    </message>
    <message>
        <source>Crash report is missing Signal Information section</source>
        <translation>崩溃报告缺少信号信息部分</translation>
    </message>
    <message>
        <source>Crash report is missing System Information OS version field</source>
        <translation>崩溃报告缺少系统信息中的操作系统版本字段</translation>
    </message>
    <message>
        <source>Crash report is missing System Information section</source>
        <translation>崩溃报告缺少系统信息部分</translation>
    </message>
    <message>
        <source>Crash report is missing binary image information</source>
        <translation>崩溃报告缺少二进制映像信息</translation>
    </message>
    <message>
        <source>Crash report is missing exception name field</source>
        <translation>崩溃报告缺少异常名称字段</translation>
    </message>
    <message>
        <source>Crash report is missing exception reason field</source>
        <translation>崩溃报告缺少异常原因字段</translation>
    </message>
    <message>
        <source>Crash report is missing processor info section</source>
        <translation>崩溃报告缺少处理器信息部分</translation>
    </message>
    <message>
        <source>Crash report is missing signal code field</source>
        <translation>崩溃报告缺少信号代码字段</translation>
    </message>
    <message>
        <source>Crash report is missing signal name field</source>
        <translation>崩溃报告缺少信号名称字段</translation>
    </message>
    <message>
        <source>Crash report is missing stack frame information</source>
        <translation>崩溃报告缺少栈帧信息</translation>
    </message>
    <message>
        <source>Crash report is missing symbol information</source>
        <translation>崩溃报告缺少符号信息</translation>
    </message>
    <message>
        <source>Crash report is missing thread state information</source>
        <translation>崩溃报告缺少线程状态信息</translation>
    </message>
    <message>
        <source>Crash report not sent</source>
        <translation>崩溃报告未发送</translation>
    </message>
    <message>
        <source>Crash report sent</source>
        <translation>崩溃报告已发送</translation>
    </message>
    <message>
        <source>Crash report unavailable</source>
        <translation>崩溃报告不可用</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>裁剪</translation>
    </message>
    <message>
        <source>Crop - Flip</source>
        <translation>裁剪 - 翻转</translation>
    </message>
    <message>
        <source>Crop image</source>
        <translation>裁剪图像</translation>
    </message>
    <message>
        <source>Crop preview</source>
        <translation>裁剪预览</translation>
    </message>
    <message>
        <source>Crop ready</source>
        <translation>裁剪就绪</translation>
    </message>
    <message>
        <source>Current Tab</source>
        <translation>当前标签页</translation>
    </message>
    <message>
        <source>Current Tab (%1)</source>
        <translation>当前标签页（%1）</translation>
    </message>
    <message>
        <source>Current image dimensions: %1 × %2 px (width × height).</source>
        <translation>当前图像尺寸：%1 × %2 px（宽 × 高）。</translation>
    </message>
    <message>
        <source>Default: “Original” · left or bottom</source>
        <translation>默认：“原图” · 左侧或底部</translation>
    </message>
    <message>
        <source>Default: “Simulation” · right or top</source>
        <translation>默认：“模拟图” · 右侧或顶部</translation>
    </message>
    <message>
        <source>Delete each complete drawing object touched by the eraser (E)</source>
        <translation>删除橡皮擦触及的每个完整绘图对象（E）</translation>
    </message>
    <message>
        <source>Delete the selected annotation</source>
        <translation>删除所选标注</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>保存位置</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Dismiss editor message</source>
        <translation>关闭编辑器消息</translation>
    </message>
    <message>
        <source>Display the image at 100%</source>
        <translation>以 100% 显示图像</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>文档</translation>
    </message>
    <message>
        <source>Don&apos;t send</source>
        <translation>不发送</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Done with Settings</source>
        <translation>完成设置</translation>
    </message>
    <message>
        <source>Drag an image here</source>
        <translation>将图像拖到此处</translation>
    </message>
    <message>
        <source>Drag an image here or open the file browser</source>
        <translation>将图像拖到此处，或打开文件浏览器</translation>
    </message>
    <message>
        <source>Drag the chin forward for augmentation, or pull the jawline in to slim the lower face.</source>
        <translation>向前拉动下巴以呈现丰盈效果，或向内收下颌线以使下半脸更纤细。</translation>
    </message>
    <message>
        <source>Drag the selection area or its corners if necessary</source>
        <translation>如有需要，请拖动选区或其四角</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>绘制</translation>
    </message>
    <message>
        <source>Draw a circle or ellipse annotation outline</source>
        <translation>绘制圆形或椭圆标注轮廓</translation>
    </message>
    <message>
        <source>Draw a circle or ellipse outline on the Simulation.
Double-click an existing circle to select it, then drag to move it.</source>
        <translation>在模拟图上绘制圆形或椭圆轮廓。
双击现有圆形将其选中，然后拖动以移动。</translation>
    </message>
    <message>
        <source>Draw a freeform annotation on the Simulation (D)</source>
        <translation>在模拟图上绘制自由标注（D）</translation>
    </message>
    <message>
        <source>Draw a freeform line over the Simulation.
Double-click an existing drawing to select it, then drag to move it.</source>
        <translation>在模拟图上绘制自由线条。
双击现有绘图将其选中，然后拖动以移动。</translation>
    </message>
    <message>
        <source>Draw a rectangular annotation outline</source>
        <translation>绘制矩形标注轮廓</translation>
    </message>
    <message>
        <source>Draw a rectangular outline on the Simulation.
Double-click an existing rectangle to select it, then drag to move it.</source>
        <translation>在模拟图上绘制矩形轮廓。
双击现有矩形将其选中，然后拖动以移动。</translation>
    </message>
    <message>
        <source>Draw a straight annotation line</source>
        <translation>绘制直线标注</translation>
    </message>
    <message>
        <source>Draw annotation tool</source>
        <translation>绘制标注工具</translation>
    </message>
    <message>
        <source>Draws a straight line.
Double-click an existing line to select it, then drag to move it.</source>
        <translation>绘制一条直线。
双击现有线条将其选中，然后拖动以移动。</translation>
    </message>
    <message>
        <source>Drop to open image</source>
        <translation>松开以打开图像</translation>
    </message>
    <message>
        <source>Ears</source>
        <translation>耳朵</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>编辑文本</translation>
    </message>
    <message>
        <source>Edit the selected text annotation</source>
        <translation>编辑所选文本标注</translation>
    </message>
    <message>
        <source>Edit watermark information…</source>
        <translation>编辑水印信息…</translation>
    </message>
    <message>
        <source>Editable Simulation image (switch tabs: Left/Right Arrow keys)</source>
        <translation>可编辑的模拟图（切换标签页：左/右方向键）</translation>
    </message>
    <message>
        <source>Editing canvas %1 × %2 px</source>
        <translation>编辑画布 %1 × %2 px</translation>
    </message>
    <message>
        <source>Editor image view</source>
        <translation>编辑器图像视图</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Enlarge the vermilion evenly; keep the brush slightly larger than the lip being treated.</source>
        <translation>均匀放大唇红；画笔应略大于所处理的嘴唇。</translation>
    </message>
    <message>
        <source>Enter a base filename.</source>
        <translation>请输入基本文件名。</translation>
    </message>
    <message>
        <source>Enter a complete http:// or https:// address such as %1, or leave the field empty.</source>
        <translation>请输入以 http:// 或 https:// 开头的完整地址（例如 %1），或将此字段留空。</translation>
    </message>
    <message>
        <source>Enter a complete http:// or https:// address such as %1, or leave this field empty.</source>
        <translation>请输入以 http:// 或 https:// 开头的完整地址（例如 %1），或将此字段留空。</translation>
    </message>
    <message>
        <source>Enter a valid email address, or leave the field empty.</source>
        <translation>请输入有效的电子邮件地址，或将此字段留空。</translation>
    </message>
    <message>
        <source>Enter a valid email address, or leave this field empty.</source>
        <translation>请输入有效的电子邮件地址，或将此字段留空。</translation>
    </message>
    <message>
        <source>Enter a valid filename.</source>
        <translation>请输入有效的文件名。</translation>
    </message>
    <message>
        <source>Enter a valid system filename without a path separator.</source>
        <translation>请输入系统可用、且不含路径分隔符的文件名。</translation>
    </message>
    <message>
        <source>Enter a valid system folder name without a path separator.</source>
        <translation>请输入系统可用、且不含路径分隔符的文件夹名称。</translation>
    </message>
    <message>
        <source>Enter a whole number from 1 to %1.</source>
        <translation>请输入 1 到 %1 之间的整数。</translation>
    </message>
    <message>
        <source>Enter a whole number from 2 to %1.</source>
        <translation>请输入 2 到 %1 之间的整数。</translation>
    </message>
    <message>
        <source>Enter your feedback before sending.</source>
        <translation>请在发送前输入反馈内容。</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>橡皮擦</translation>
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
        <translation>平滑膨胀区域（G）</translation>
    </message>
    <message>
        <source>Expand an area smoothly away from the centre of the brush. Build the change with short, controlled passes.</source>
        <translation>将区域从画笔中心向外平滑膨胀。通过短而可控的涂抹逐步形成变化。</translation>
    </message>
    <message>
        <source>Expand toolbar (Ctrl+T)</source>
        <translation>展开工具栏（Ctrl+T）</translation>
    </message>
    <message>
        <source>Export the deformation animation as MP4</source>
        <translation>将变形动画导出为 MP4</translation>
    </message>
    <message>
        <source>Export watermarks use white text with a black outline. Contact information appears once at the lower-left of each saved file.</source>
        <translation>导出的水印为带黑色描边的白色文字。联系信息会在每个保存文件的左下角显示一次。</translation>
    </message>
    <message>
        <source>Eyes</source>
        <translation>眼睛</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>Feedback must be 5,000 characters or fewer.</source>
        <translation>反馈不得超过 5,000 个字符。</translation>
    </message>
    <message>
        <source>Feedback received</source>
        <translation>已收到反馈</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>文件格式</translation>
    </message>
    <message>
        <source>File and output</source>
        <translation>文件与输出</translation>
    </message>
    <message>
        <source>File format</source>
        <translation>文件格式</translation>
    </message>
    <message>
        <source>Filled circle</source>
        <translation>实心圆形</translation>
    </message>
    <message>
        <source>Filled circle annotation tool</source>
        <translation>实心圆形标注工具</translation>
    </message>
    <message>
        <source>Filled rectangle</source>
        <translation>实心矩形</translation>
    </message>
    <message>
        <source>Filled rectangle annotation tool</source>
        <translation>实心矩形标注工具</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>适合窗口</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>水平翻转</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>垂直翻转</translation>
    </message>
    <message>
        <source>Folders cannot be opened here. Please choose one image file.</source>
        <translation>无法在此处打开文件夹。请选择一个图像文件。</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
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
        <translation>自由文本（例如免责声明）</translation>
    </message>
    <message>
        <source>Full image</source>
        <translation>完整图像</translation>
    </message>
    <message>
        <source>GPU editor unavailable</source>
        <translation>GPU 编辑器不可用</translation>
    </message>
    <message>
        <source>Go to editor</source>
        <translation>进入编辑器</translation>
    </message>
    <message>
        <source>Grow</source>
        <translation>膨胀</translation>
    </message>
    <message>
        <source>Grow reshape tool</source>
        <translation>膨胀塑形工具</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Hide inspector</source>
        <translation>隐藏检查器</translation>
    </message>
    <message>
        <source>Higher quality preserves more photographic detail but produces a larger file.</source>
        <translation>质量越高，保留的照片细节越多，但文件也越大。</translation>
    </message>
    <message>
        <source>Hips</source>
        <translation>髋部</translation>
    </message>
    <message>
        <source>History and selection</source>
        <translation>历史与选择</translation>
    </message>
    <message>
        <source>Hold Alt and scroll with two fingers, or use the mouse wheel</source>
        <translation>按住 Alt 并用两根手指滚动，或使用鼠标滚轮</translation>
    </message>
    <message>
        <source>Hold the middle mouse button and drag, or hold Spacebar and drag</source>
        <translation>按住鼠标中键并拖动，或按住空格键并拖动</translation>
    </message>
    <message>
        <source>Hold the middle mouse button or Spacebar to move the zoomed image.</source>
        <translation>按住鼠标中键或空格键即可移动已放大的图像。</translation>
    </message>
    <message>
        <source>INSPECTOR</source>
        <translation>检查器</translation>
    </message>
    <message>
        <source>Image not opened</source>
        <translation>图像未打开</translation>
    </message>
    <message>
        <source>Image not saved</source>
        <translation>图像未保存</translation>
    </message>
    <message>
        <source>Image not shared</source>
        <translation>图像未共享</translation>
    </message>
    <message>
        <source>Image saved</source>
        <translation>图像已保存</translation>
    </message>
    <message>
        <source>Image saving cleanup</source>
        <translation>图像保存清理</translation>
    </message>
    <message>
        <source>Image saving was cancelled, but cleanup needs attention.</source>
        <translation>图像保存已取消，但需要处理清理问题。</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>图像</translation>
    </message>
    <message>
        <source>Images saved</source>
        <translation>图像已全部保存</translation>
    </message>
    <message>
        <source>Include Original / Simulation labels</source>
        <translation>包含原图 / 模拟图标签</translation>
    </message>
    <message>
        <source>Include contact information</source>
        <translation>包含联系信息</translation>
    </message>
    <message>
        <source>Increase breast volume symmetrically; work in small steps and compare both sides.</source>
        <translation>对称地增加胸部容量；分小步操作并比较两侧。</translation>
    </message>
    <message>
        <source>Increase calf volume for a more defined lower leg.</source>
        <translation>增加小腿容量，使小腿线条更分明。</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>JPEG image (.jpg)</source>
        <translation>JPEG 图像（.jpg）</translation>
    </message>
    <message>
        <source>JPEG quality</source>
        <translation>JPEG 质量</translation>
    </message>
    <message>
        <source>Keyboard and mouse controls for editing quickly.</source>
        <translation>用于快速编辑的键盘和鼠标操作。</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Landscape images are stacked vertically. This value limits the total height; Simulation is above and Original below.</source>
        <translation>横向图像将上下堆叠。此值限制总高度；模拟图在上，原图在下。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Language settings</source>
        <translation>语言设置</translation>
    </message>
    <message>
        <source>Leave a field empty to hide its watermark label everywhere. Changes are reflected immediately.</source>
        <translation>将字段留空即可在所有位置隐藏相应的水印标签。更改会立即生效。</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>左方向键</translation>
    </message>
    <message>
        <source>Lift the underarm contour upward in short strokes.</source>
        <translation>用短促的涂抹向上提升上臂下方轮廓。</translation>
    </message>
    <message>
        <source>Limits the longest side of the Original and Simulation images when Auto is off. Aspect ratio is preserved.</source>
        <translation>关闭“自动”时，限制原图和模拟图的最长边。宽高比保持不变。</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>直线</translation>
    </message>
    <message>
        <source>Line annotation tool</source>
        <translation>直线标注工具</translation>
    </message>
    <message>
        <source>Lips</source>
        <translation>嘴唇</translation>
    </message>
    <message>
        <source>Loading image…</source>
        <translation>正在载入图像…</translation>
    </message>
    <message>
        <source>MPEG-4 movie</source>
        <translation>MPEG-4 影片</translation>
    </message>
    <message>
        <source>Maximum image dimension: %1 px. Larger selections are downsized to keep editing smooth. Lower this limit in Settings / Performance on a less powerful computer.</source>
        <translation>最大图像尺寸：%1 px。较大的选区会被缩小，以保持编辑流畅。在性能较弱的计算机上，请在“设置 / 性能”中降低此限制。</translation>
    </message>
    <message>
        <source>Maximum image side</source>
        <translation>图像最大边长</translation>
    </message>
    <message>
        <source>Middle mouse button + drag
or Spacebar + drag</source>
        <translation>鼠标中键 + 拖动
或空格键 + 拖动</translation>
    </message>
    <message>
        <source>Morphing animation from the Original to the Simulation image</source>
        <translation>从原图到模拟图的变形动画</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>Move around a zoomed image</source>
        <translation>在放大的图像中移动</translation>
    </message>
    <message>
        <source>Move around a zoomed image (middle mouse button or Spacebar)</source>
        <translation>在放大的图像中移动（鼠标中键或空格键）</translation>
    </message>
    <message>
        <source>Move image mode</source>
        <translation>移动图像模式</translation>
    </message>
    <message>
        <source>Move pixels in the direction you drag (P)</source>
        <translation>沿拖动方向移动像素（P）</translation>
    </message>
    <message>
        <source>Move the outer ear closer to the head with small, slow strokes.</source>
        <translation>用小而缓慢的涂抹将外耳向头部靠拢。</translation>
    </message>
    <message>
        <source>Moves the image area inside the brush circle in the direction of your drag. Experiment with different brush sizes and slow strokes until you achieve the desired result.</source>
        <translation>沿拖动方向移动画笔圆圈内的图像区域。尝试不同的画笔大小和缓慢的涂抹，直至达到理想效果。</translation>
    </message>
    <message>
        <source>Must use</source>
        <translation>必备</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Name must be 100 characters or fewer.</source>
        <translation>姓名不得超过 100 个字符。</translation>
    </message>
    <message>
        <source>Narrow flared nostrils; treat each side separately.</source>
        <translation>收窄外扩的鼻翼；两侧分别处理。</translation>
    </message>
    <message>
        <source>Narrow the bridge with short inward strokes from both sides; reduce a dorsal bump in profile.</source>
        <translation>从两侧向内短促涂抹以收窄鼻梁；在侧面减小驼峰鼻。</translation>
    </message>
    <message>
        <source>Neck</source>
        <translation>颈部</translation>
    </message>
    <message>
        <source>Neither setting enlarges an Original or Simulation image. A Comparison image combines two image panes, so its total width or height can be up to twice the corresponding current image dimension.</source>
        <translation>这两项设置都不会放大原图或模拟图。对比图由两幅图像拼合而成，因此其总宽度或总高度最多可达当前图像相应尺寸的两倍。</translation>
    </message>
    <message>
        <source>Next Editor Tab</source>
        <translation>下一个编辑器标签页</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>No Original or Simulation label is configured in Settings.</source>
        <translation>尚未在设置中配置原图或模拟图标签。</translation>
    </message>
    <message>
        <source>No application could open the image.</source>
        <translation>没有应用能够打开该图像。</translation>
    </message>
    <message>
        <source>No contact information is configured in Settings.</source>
        <translation>尚未在设置中配置联系信息。</translation>
    </message>
    <message>
        <source>No e-mail program could attach the image.</source>
        <translation>没有电子邮件程序能够附加该图像。</translation>
    </message>
    <message>
        <source>No edits have been made, so there are no changes to save.</source>
        <translation>尚未进行任何编辑，因此没有需要保存的更改。</translation>
    </message>
    <message>
        <source>No edits have been made, so there is no animation to save.</source>
        <translation>尚未进行任何编辑，因此没有可保存的动画。</translation>
    </message>
    <message>
        <source>No edits have been made, so there is nothing to animate.</source>
        <translation>尚未进行任何编辑，因此没有可生成动画的内容。</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>未选择文件夹</translation>
    </message>
    <message>
        <source>No shortcut available</source>
        <translation>无可用快捷键</translation>
    </message>
    <message>
        <source>No web browser could open the documentation.</source>
        <translation>没有可以打开文档的网页浏览器。</translation>
    </message>
    <message>
        <source>No web browser could open the support page.</source>
        <translation>没有可以打开支持页面的网页浏览器。</translation>
    </message>
    <message>
        <source>Non-destructive source crop</source>
        <translation>不改动源文件的裁剪</translation>
    </message>
    <message>
        <source>Nose</source>
        <translation>鼻子</translation>
    </message>
    <message>
        <source>Nostrils</source>
        <translation>鼻翼</translation>
    </message>
    <message>
        <source>Not configured in Settings</source>
        <translation>未在设置中配置</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>未选择</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>One JPEG, handed to your installed sharing apps.</source>
        <translation>一个 JPEG 文件，交给已安装的共享应用。</translation>
    </message>
    <message>
        <source>Only the Original label is set; Simulation will have no label.</source>
        <translation>仅设置了原图标签；模拟图将没有标签。</translation>
    </message>
    <message>
        <source>Only the Simulation label is set; Original will have no label.</source>
        <translation>仅设置了模拟图标签；原图将没有标签。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open Anyway</source>
        <translation>仍然打开</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>打开图像</translation>
    </message>
    <message>
        <source>Open Image…</source>
        <translation>打开图像…</translation>
    </message>
    <message>
        <source>Open Save images</source>
        <translation>打开“保存图像”</translation>
    </message>
    <message>
        <source>Open With…</source>
        <translation>打开方式…</translation>
    </message>
    <message>
        <source>Open another image</source>
        <translation>打开其他图像</translation>
    </message>
    <message>
        <source>Open another image without saving image changes</source>
        <translation>打开其他图像且不保存图像更改</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>打开所在文件夹</translation>
    </message>
    <message>
        <source>Open the file browser</source>
        <translation>打开文件浏览器</translation>
    </message>
    <message>
        <source>Open the selected crop in the editor</source>
        <translation>在编辑器中打开所选裁剪区域</translation>
    </message>
    <message>
        <source>Open the system print workflow</source>
        <translation>打开系统打印流程</translation>
    </message>
    <message>
        <source>Open the system share menu</source>
        <translation>打开系统共享菜单</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>原图</translation>
    </message>
    <message>
        <source>Original + Simulation side by side.</source>
        <translation>原图 + 模拟图并排显示。</translation>
    </message>
    <message>
        <source>Original / Simulation labels</source>
        <translation>原图 / 模拟图标签</translation>
    </message>
    <message>
        <source>Original and Simulation maximum dimension (px)</source>
        <translation>原图和模拟图最大尺寸（px）</translation>
    </message>
    <message>
        <source>Original image</source>
        <translation>原图</translation>
    </message>
    <message>
        <source>Original image label</source>
        <translation>原图标签</translation>
    </message>
    <message>
        <source>Original label</source>
        <translation>原图标签</translation>
    </message>
    <message>
        <source>Original, unmodified image (switch tabs: Left/Right Arrow keys)</source>
        <translation>未经修改的原图（切换标签页：左/右方向键）</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>PAN IMAGE</source>
        <translation>平移图像</translation>
    </message>
    <message>
        <source>PNG image (.png)</source>
        <translation>PNG 图像（.png）</translation>
    </message>
    <message>
        <source>PNG is the default lossless format, but it produces larger files.</source>
        <translation>PNG 是默认的无损格式，但文件较大。</translation>
    </message>
    <message>
        <source>PROPERTIES</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>性能</translation>
    </message>
    <message>
        <source>Performance settings</source>
        <translation>性能设置</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>电话号码</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Place a filled circle or ellipse annotation</source>
        <translation>放置实心圆形或椭圆标注</translation>
    </message>
    <message>
        <source>Place a filled circle or ellipse on the Simulation.
Double-click an existing circle to select it, then drag to move it.</source>
        <translation>在模拟图上放置实心圆形或椭圆。
双击现有圆形将其选中，然后拖动以移动。</translation>
    </message>
    <message>
        <source>Place a filled rectangular annotation</source>
        <translation>放置实心矩形标注</translation>
    </message>
    <message>
        <source>Place a filled rectangular annotation on the Simulation. It can be used to conceal the eyes or help anonymize a patient.
Double-click an existing rectangle to select it, then drag to move it.</source>
        <translation>在模拟图上放置实心矩形标注。可用于遮盖眼睛或帮助对患者进行匿名化。
双击现有矩形将其选中，然后拖动以移动。</translation>
    </message>
    <message>
        <source>Please choose exactly one image at a time.</source>
        <translation>请一次只选择一个图像。</translation>
    </message>
    <message>
        <source>Please drop one image file.</source>
        <translation>请只拖放一个图像文件。</translation>
    </message>
    <message>
        <source>Portrait 2:3</source>
        <translation>人像 2:3</translation>
    </message>
    <message>
        <source>Portrait and square images are arranged side by side. This value limits the total width; Original is left and Simulation is right.</source>
        <translation>纵向和正方形图像将左右并排。此值限制总宽度；原图在左，模拟图在右。</translation>
    </message>
    <message>
        <source>Português (Brasil)</source>
        <translation>Português (Brasil)</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>正在准备</translation>
    </message>
    <message>
        <source>Preparing editing canvas…</source>
        <translation>正在准备编辑画布…</translation>
    </message>
    <message>
        <source>Preparing image for the desktop&apos;s sharing apps</source>
        <translation>正在为桌面的共享应用准备图像</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>预览：</translation>
    </message>
    <message>
        <source>Previous Editor Tab</source>
        <translation>上一个编辑器标签页</translation>
    </message>
    <message>
        <source>Print preview could not be prepared. The complete image could not be rendered.</source>
        <translation>无法准备打印预览。无法渲染完整图像。</translation>
    </message>
    <message>
        <source>Printing could not start. The complete image could not be prepared.</source>
        <translation>无法开始打印。无法准备完整图像。</translation>
    </message>
    <message>
        <source>Printing failed</source>
        <translation>打印失败</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>打印…</translation>
    </message>
    <message>
        <source>Privacy safe: </source>
        <translation>隐私安全：</translation>
    </message>
    <message>
        <source>Progressively return a changed area toward the Original (R)</source>
        <translation>将已更改的区域逐步恢复为原图（R）</translation>
    </message>
    <message>
        <source>Pull the submental area inward to reduce a double chin.</source>
        <translation>向内收颏下区域以减轻双下巴。</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>推动</translation>
    </message>
    <message>
        <source>Push both flanks inward evenly for a liposuction or tummy-tuck effect.</source>
        <translation>均匀地向内推两侧腰腹，呈现吸脂或腹壁整形效果。</translation>
    </message>
    <message>
        <source>Push cheek volume upward and outward for a filler-like lift.</source>
        <translation>将面颊容量向上向外推，呈现类似填充的提升效果。</translation>
    </message>
    <message>
        <source>Push reshape tool</source>
        <translation>推动塑形工具</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Quit Veltrano</source>
        <translation>退出 Veltrano</translation>
    </message>
    <message>
        <source>Recent locations</source>
        <translation>最近位置</translation>
    </message>
    <message>
        <source>Reconstruct</source>
        <translation>重建</translation>
    </message>
    <message>
        <source>Reconstruct reshape tool</source>
        <translation>重建塑形工具</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Rectangle annotation tool</source>
        <translation>矩形标注工具</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Redo the last undone action (Ctrl+Shift+Z)</source>
        <translation>重做上一步撤销的操作（Ctrl+Shift+Z）</translation>
    </message>
    <message>
        <source>Redo the latest undone action</source>
        <translation>重做最近撤销的操作</translation>
    </message>
    <message>
        <source>Reduce breast volume for a reduction simulation; compare both sides.</source>
        <translation>减少胸部容量以模拟缩小效果；比较两侧。</translation>
    </message>
    <message>
        <source>Reduce the apparent size of prominent ears with small, gradual passes.</source>
        <translation>以小幅、渐进的涂抹减小招风耳的视觉大小。</translation>
    </message>
    <message>
        <source>Reduce the nasal tip with a small brush.</source>
        <translation>用小画笔缩小鼻尖。</translation>
    </message>
    <message>
        <source>Remove complete annotation objects touched by the eraser. The photograph and deformation are not affected.</source>
        <translation>移除橡皮擦触及的完整标注对象。照片和变形不受影响。</translation>
    </message>
    <message>
        <source>Reopen image picker</source>
        <translation>重新打开图像选择器</translation>
    </message>
    <message>
        <source>Reset all</source>
        <translation>全部重置</translation>
    </message>
    <message>
        <source>Reset all deformation and annotations</source>
        <translation>重置所有变形和标注</translation>
    </message>
    <message>
        <source>Reset orientation</source>
        <translation>重置方向</translation>
    </message>
    <message>
        <source>Reset to full image</source>
        <translation>重置为完整图像</translation>
    </message>
    <message>
        <source>Reshape</source>
        <translation>塑形</translation>
    </message>
    <message>
        <source>Reshape hip width outward or inward; keep strokes symmetrical.</source>
        <translation>向外或向内调整髋部宽度；保持涂抹对称。</translation>
    </message>
    <message>
        <source>Reshape mode</source>
        <translation>塑形模式</translation>
    </message>
    <message>
        <source>Reshape tools</source>
        <translation>塑形工具</translation>
    </message>
    <message>
        <source>Reshaping previews for patient consultations</source>
        <translation>用于患者咨询的塑形预览</translation>
    </message>
    <message>
        <source>Restart Anyway</source>
        <translation>仍然重新启动</translation>
    </message>
    <message>
        <source>Restart Veltrano now</source>
        <translation>立即重新启动 Veltrano</translation>
    </message>
    <message>
        <source>Restart Veltrano without saving image changes</source>
        <translation>重新启动 Veltrano 且不保存图像更改</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>立即重新启动</translation>
    </message>
    <message>
        <source>Restart the app to apply this change.</source>
        <translation>重新启动应用以应用此更改。</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>右方向键</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>向左旋转</translation>
    </message>
    <message>
        <source>Rotate or flip the source image</source>
        <translation>旋转或翻转源图像</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>向右旋转</translation>
    </message>
    <message>
        <source>Rotate the crop left</source>
        <translation>向左旋转裁剪区域</translation>
    </message>
    <message>
        <source>Rotate the crop right</source>
        <translation>向右旋转裁剪区域</translation>
    </message>
    <message>
        <source>SELECTED TEXT</source>
        <translation>所选文本</translation>
    </message>
    <message>
        <source>SELECTION ASPECT RATIO</source>
        <translation>选区宽高比</translation>
    </message>
    <message>
        <source>SELECTION SIZE</source>
        <translation>选区大小</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>保存图像</translation>
    </message>
    <message>
        <source>Save before restarting?</source>
        <translation>重新启动前是否保存？</translation>
    </message>
    <message>
        <source>Save image before closing</source>
        <translation>关闭前保存图像</translation>
    </message>
    <message>
        <source>Save image before opening another image</source>
        <translation>打开其他图像前保存图像</translation>
    </message>
    <message>
        <source>Save images</source>
        <translation>保存图像</translation>
    </message>
    <message>
        <source>Save images…</source>
        <translation>保存图像…</translation>
    </message>
    <message>
        <source>Save the complete Original, Simulation, or Comparison image</source>
        <translation>保存完整的原图、模拟图或对比图</translation>
    </message>
    <message>
        <source>Save to the Veltrano folder inside the system&apos;s Pictures folder.</source>
        <translation>保存到系统“图片”文件夹中的 Veltrano 文件夹。</translation>
    </message>
    <message>
        <source>Save video</source>
        <translation>保存视频</translation>
    </message>
    <message>
        <source>Save video…</source>
        <translation>保存视频…</translation>
    </message>
    <message>
        <source>Saved image size</source>
        <translation>保存的图像尺寸</translation>
    </message>
    <message>
        <source>Saved to</source>
        <translation>保存位置</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>向左滚动</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>向右滚动</translation>
    </message>
    <message>
        <source>Select / Move</source>
        <translation>选择 / 移动</translation>
    </message>
    <message>
        <source>Select Draw</source>
        <translation>选择绘制</translation>
    </message>
    <message>
        <source>Select Eraser</source>
        <translation>选择橡皮擦</translation>
    </message>
    <message>
        <source>Select Grow</source>
        <translation>选择膨胀</translation>
    </message>
    <message>
        <source>Select Push</source>
        <translation>选择推动</translation>
    </message>
    <message>
        <source>Select Reconstruct</source>
        <translation>选择重建</translation>
    </message>
    <message>
        <source>Select Shrink</source>
        <translation>选择收缩</translation>
    </message>
    <message>
        <source>Select Text</source>
        <translation>选择文本</translation>
    </message>
    <message>
        <source>Select folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Select or move annotation tool</source>
        <translation>选择或移动标注工具</translation>
    </message>
    <message>
        <source>Select or move annotations</source>
        <translation>选择或移动标注</translation>
    </message>
    <message>
        <source>Select the area you want to edit. The darker area remains visible for context but will be excluded from the editor.</source>
        <translation>选择要编辑的区域。较暗的区域仍会显示以供参考，但不会进入编辑器。</translation>
    </message>
    <message>
        <source>Select the next editor tab</source>
        <translation>选择下一个编辑器标签页</translation>
    </message>
    <message>
        <source>Select the previous editor tab</source>
        <translation>选择上一个编辑器标签页</translation>
    </message>
    <message>
        <source>Select the topmost annotation under the pointer, then drag it to reposition it on the Simulation.
You can also double-click any annotation to select it without first choosing this tool.</source>
        <translation>选择指针下方最上层的标注，然后拖动以在模拟图上调整其位置。
也可以直接双击任意标注将其选中，无需先选择此工具。</translation>
    </message>
    <message>
        <source>Select the topmost drawing object and drag it to move (V)</source>
        <translation>选择最上层的绘图对象并拖动以移动（V）</translation>
    </message>
    <message>
        <source>Select this crop aspect ratio</source>
        <translation>选择此裁剪宽高比</translation>
    </message>
    <message>
        <source>Select which image view you want to save.</source>
        <translation>选择要保存的图像视图。</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>已选择</translation>
    </message>
    <message>
        <source>Selected folder</source>
        <translation>所选文件夹</translation>
    </message>
    <message>
        <source>Selected folder information</source>
        <translation>所选文件夹信息</translation>
    </message>
    <message>
        <source>Selection %1 by %2 source pixels</source>
        <translation>选区 %1 × %2 源像素</translation>
    </message>
    <message>
        <source>Selection size</source>
        <translation>选区大小</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>发送反馈</translation>
    </message>
    <message>
        <source>Send by Email…</source>
        <translation>通过电子邮件发送…</translation>
    </message>
    <message>
        <source>Send report</source>
        <translation>发送报告</translation>
    </message>
    <message>
        <source>Sending feedback</source>
        <translation>正在发送反馈</translation>
    </message>
    <message>
        <source>Sending feedback…</source>
        <translation>正在发送反馈…</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>正在发送…</translation>
    </message>
    <message>
        <source>Set the maximum working canvas size. Smaller images are unaffected. Larger images are scaled down to the maximum size set here.</source>
        <translation>设置工作画布的最大尺寸。较小的图像不受影响。较大的图像会缩小到此处设置的最大尺寸。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>设置…</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共享</translation>
    </message>
    <message>
        <source>Share image</source>
        <translation>共享图像</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>共享…</translation>
    </message>
    <message>
        <source>Sharing could not start. %1</source>
        <translation>无法开始共享。%1</translation>
    </message>
    <message>
        <source>Sharing unavailable</source>
        <translation>共享不可用</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>快捷键：%1</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Show image labels in Comparison</source>
        <translation>在对比图中显示图像标签</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>在文件管理器中显示</translation>
    </message>
    <message>
        <source>Show inspector</source>
        <translation>显示检查器</translation>
    </message>
    <message>
        <source>Show one source image pixel per layout pixel</source>
        <translation>以一个屏幕像素显示一个源图像像素</translation>
    </message>
    <message>
        <source>Show or hide Comparison labels</source>
        <translation>显示或隐藏对比标签</translation>
    </message>
    <message>
        <source>Shrink</source>
        <translation>收缩</translation>
    </message>
    <message>
        <source>Shrink reshape tool</source>
        <translation>收缩塑形工具</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>模拟图</translation>
    </message>
    <message>
        <source>Simulation image</source>
        <translation>模拟图</translation>
    </message>
    <message>
        <source>Simulation image label</source>
        <translation>模拟图标签</translation>
    </message>
    <message>
        <source>Simulation label</source>
        <translation>模拟图标签</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Slightly enlarge the eye opening; use a small brush and apply the effect gradually.</source>
        <translation>略微放大眼裂；使用小画笔并逐步施加效果。</translation>
    </message>
    <message>
        <source>Slim full cheeks to simulate a buccal fat reduction.</source>
        <translation>使饱满的面颊变纤细，以模拟颊脂垫去除。</translation>
    </message>
    <message>
        <source>Slim the inner and outer thigh line with opposing strokes.</source>
        <translation>用相向的涂抹收细大腿内外侧线条。</translation>
    </message>
    <message>
        <source>Social 4:5</source>
        <translation>社交媒体 4:5</translation>
    </message>
    <message>
        <source>Source photo, unedited.</source>
        <translation>未经编辑的源照片。</translation>
    </message>
    <message>
        <source>Square 1:1</source>
        <translation>正方形 1:1</translation>
    </message>
    <message>
        <source>Stored locally on this device.</source>
        <translation>仅存储在此设备本地。</translation>
    </message>
    <message>
        <source>Stored locally. Never included unless you select it for that output.</source>
        <translation>仅存储在本地。除非你在该次输出中选择，否则绝不会包含。</translation>
    </message>
    <message>
        <source>Stroke size</source>
        <translation>线条粗细</translation>
    </message>
    <message>
        <source>Subfolder name (optional)</source>
        <translation>子文件夹名称（可选）</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>支持</translation>
    </message>
    <message>
        <source>Supported images: JPEG · PNG · BMP · TIFF · HEIC/HEIF</source>
        <translation>支持的图像：JPEG · PNG · BMP · TIFF · HEIC/HEIF</translation>
    </message>
    <message>
        <source>Synchronized zoom (Ctrl + mouse wheel)</source>
        <translation>同步缩放（Ctrl + 鼠标滚轮）</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Text annotation tool</source>
        <translation>文本标注工具</translation>
    </message>
    <message>
        <source>Thank you. Report ID:
</source>
        <translation>谢谢。报告 ID：
</translation>
    </message>
    <message>
        <source>Thank you. Your feedback was received.</source>
        <translation>谢谢。我们已收到你的反馈。</translation>
    </message>
    <message>
        <source>The Pictures folder cannot be accessed.</source>
        <translation>无法访问“图片”文件夹。</translation>
    </message>
    <message>
        <source>The animation video could not be placed at the selected location.</source>
        <translation>无法将动画视频放到所选位置。</translation>
    </message>
    <message>
        <source>The animation video was saved successfully.</source>
        <translation>动画视频已成功保存。</translation>
    </message>
    <message>
        <source>The base filename cannot be “.” or “..”.</source>
        <translation>基本文件名不能是“.”或“..”。</translation>
    </message>
    <message>
        <source>The base filename cannot contain line breaks, tabs or other control characters.</source>
        <translation>基本文件名不能包含换行符、制表符或其他控制字符。</translation>
    </message>
    <message>
        <source>The base filename is too long for the file system.</source>
        <translation>基本文件名超出了文件系统允许的长度。</translation>
    </message>
    <message>
        <source>The base filename must be 180 characters or fewer.</source>
        <translation>基本文件名不能超过 180 个字符。</translation>
    </message>
    <message>
        <source>The changes are not saved. Restarting now will discard them.</source>
        <translation>更改尚未保存。现在重新启动将丢弃这些更改。</translation>
    </message>
    <message>
        <source>The complete animation could not be prepared.</source>
        <translation>无法准备完整动画。</translation>
    </message>
    <message>
        <source>The complete image could not be prepared.</source>
        <translation>无法准备完整图像。</translation>
    </message>
    <message>
        <source>The crash report could not be sent. Check the internet connection and try again.</source>
        <translation>无法发送崩溃报告。请检查互联网连接，然后重试。</translation>
    </message>
    <message>
        <source>The data couldn’t be read because it isn’t in the correct format.</source>
        <translation>无法读取数据，因为其格式不正确。</translation>
    </message>
    <message>
        <source>The disk may be full or the location unavailable.</source>
        <translation>磁盘可能已满，或该位置不可用。</translation>
    </message>
    <message>
        <source>The editing canvas cannot be used.</source>
        <translation>无法使用编辑画布。</translation>
    </message>
    <message>
        <source>The editing canvas could not be prepared.</source>
        <translation>无法准备编辑画布。</translation>
    </message>
    <message>
        <source>The feedback could not be safely retried. Close this dialog and try again.</source>
        <translation>无法安全地重试发送反馈。请关闭此对话框，然后重试。</translation>
    </message>
    <message>
        <source>The feedback could not be sent because one or more fields are invalid.</source>
        <translation>由于一个或多个字段无效，无法发送反馈。</translation>
    </message>
    <message>
        <source>The feedback could not be sent. Check the internet connection and try again.</source>
        <translation>无法发送反馈。请检查互联网连接，然后重试。</translation>
    </message>
    <message>
        <source>The feedback service returned an invalid response.</source>
        <translation>反馈服务返回了无效的响应。</translation>
    </message>
    <message>
        <source>The file could not be written. The disk may be full.</source>
        <translation>无法写入文件。磁盘可能已满。</translation>
    </message>
    <message>
        <source>The file manager could not open the containing folder.</source>
        <translation>文件管理器无法打开所在文件夹。</translation>
    </message>
    <message>
        <source>The file manager could not show the image.</source>
        <translation>文件管理器无法显示该图像。</translation>
    </message>
    <message>
        <source>The image could not be copied to the clipboard.</source>
        <translation>无法将图像复制到剪贴板。</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>无法对图像进行编码。</translation>
    </message>
    <message>
        <source>The image could not be saved. %1</source>
        <translation>无法保存图像。%1</translation>
    </message>
    <message>
        <source>The image could not be shared. %1</source>
        <translation>无法共享图像。%1</translation>
    </message>
    <message>
        <source>The image was saved successfully.</source>
        <translation>图像已成功保存。</translation>
    </message>
    <message>
        <source>The images were saved successfully.</source>
        <translation>所有图像已成功保存。</translation>
    </message>
    <message>
        <source>The original image file was not changed. Close and reopen Veltrano before editing this image again. Changes made in the current editor session have not been saved.

If the problem persists, contact support at %1.</source>
        <translation>原始图像文件未被更改。再次编辑此图像前，请关闭并重新打开 Veltrano。在当前编辑器会话中所做的更改尚未保存。

如果问题仍然存在，请联系支持团队：%1</translation>
    </message>
    <message>
        <source>The print job failed.</source>
        <translation>打印作业失败。</translation>
    </message>
    <message>
        <source>The replacement image could not be loaded.</source>
        <translation>无法载入替换图像。</translation>
    </message>
    <message>
        <source>The requested action could not be completed.</source>
        <translation>无法完成请求的操作。</translation>
    </message>
    <message>
        <source>The saved animation video could not be validated.</source>
        <translation>无法验证已保存的动画视频。</translation>
    </message>
    <message>
        <source>The saved image could not be validated.</source>
        <translation>无法验证已保存的图像。</translation>
    </message>
    <message>
        <source>The settings file was written by another version of Veltrano.</source>
        <translation>设置文件由其他版本的 Veltrano 写入。</translation>
    </message>
    <message>
        <source>The source image changed after it was opened. Please open it again before editing.</source>
        <translation>源图像在打开后已被更改。请在编辑前重新打开。</translation>
    </message>
    <message>
        <source>The subfolder name cannot be “.” or “..”.</source>
        <translation>子文件夹名称不能是“.”或“..”。</translation>
    </message>
    <message>
        <source>The subfolder name cannot contain line breaks, tabs or other control characters.</source>
        <translation>子文件夹名称不能包含换行符、制表符或其他控制字符。</translation>
    </message>
    <message>
        <source>The subfolder name is too long for the file system.</source>
        <translation>子文件夹名称超出了文件系统允许的长度。</translation>
    </message>
    <message>
        <source>The subfolder name must be 255 characters or fewer.</source>
        <translation>子文件夹名称不能超过 255 个字符。</translation>
    </message>
    <message>
        <source>The system could not create or read the temporary sharing image.</source>
        <translation>系统无法创建或读取临时共享图像。</translation>
    </message>
    <message>
        <source>The system could not open the Share menu for this application.</source>
        <translation>系统无法为此应用打开共享菜单。</translation>
    </message>
    <message>
        <source>The system could not write or finalize the video. The disk may be full, the location unavailable, or the file in use.</source>
        <translation>系统无法写入视频或完成视频写入。磁盘可能已满、位置不可用，或文件正在使用中。</translation>
    </message>
    <message>
        <source>The system may have started replacing the destination. Check the file before retrying.</source>
        <translation>系统可能已开始替换目标文件。请在重试前检查该文件。</translation>
    </message>
    <message>
        <source>The tab-view suffix will be appended to the base filename.</source>
        <translation>基本文件名后将附加标签页视图后缀。</translation>
    </message>
    <message>
        <source>The temporary shared image is locked and will be removed later.</source>
        <translation>临时共享图像已被锁定，稍后将被移除。</translation>
    </message>
    <message>
        <source>The temporary sharing image could not be prepared.</source>
        <translation>无法准备临时共享图像。</translation>
    </message>
    <message>
        <source>The temporary sharing image could not be validated.</source>
        <translation>无法验证临时共享图像。</translation>
    </message>
    <message>
        <source>These optional settings allow you to control the pixel dimensions of your saved images.</source>
        <translation>这些可选设置可用于控制所保存图像的像素尺寸。</translation>
    </message>
    <message>
        <source>These settings could not be saved. They remain active for this session.</source>
        <translation>无法保存这些设置。它们在本次会话中仍然有效。</translation>
    </message>
    <message>
        <source>These watermark labels appear in the top corners of the editor&apos;s Comparison tab. You can also include them in saved, shared, and printed Comparison images.</source>
        <translation>这些水印标签显示在编辑器对比图标签页的顶部角落。你也可以将其包含在保存、共享和打印的对比图中。</translation>
    </message>
    <message>
        <source>Thighs</source>
        <translation>大腿</translation>
    </message>
    <message>
        <source>This computer could not start the H.264 video encoder.</source>
        <translation>此计算机无法启动 H.264 视频编码器。</translation>
    </message>
    <message>
        <source>This crop is not valid. Please adjust it before going to the editor.</source>
        <translation>此裁剪区域无效。请在进入编辑器前进行调整。</translation>
    </message>
    <message>
        <source>This folder cannot be accessed. Choose another save location.</source>
        <translation>无法访问此文件夹。请选择其他保存位置。</translation>
    </message>
    <message>
        <source>This folder is created inside the selected location. Leave blank to save directly there.</source>
        <translation>此文件夹将在所选位置中创建。留空则直接保存到该位置。</translation>
    </message>
    <message>
        <source>This folder no longer exists or cannot be accessed. Choose another save location.</source>
        <translation>此文件夹已不存在或无法访问。请选择其他保存位置。</translation>
    </message>
    <message>
        <source>This folder no longer exists. Choose another save location.</source>
        <translation>此文件夹已不存在。请选择其他保存位置。</translation>
    </message>
    <message>
        <source>This image could not be opened.</source>
        <translation>无法打开此图像。</translation>
    </message>
    <message>
        <source>This image could not be opened. Please choose another local image.</source>
        <translation>无法打开此图像。请选择其他本地图像。</translation>
    </message>
    <message>
        <source>This image could not be prepared for editing. Please adjust the crop or open it again.</source>
        <translation>无法准备此图像以供编辑。请调整裁剪区域或重新打开图像。</translation>
    </message>
    <message>
        <source>This image could not be read. It may be damaged, or incompatible</source>
        <translation>无法读取此图像。图像可能已损坏或不兼容</translation>
    </message>
    <message>
        <source>This image is too large to open safely.</source>
        <translation>此图像过大，无法安全打开。</translation>
    </message>
    <message>
        <source>This path is display-only. Use Pictures, Recent locations, or Browse to select or create another folder. To save inside a subfolder, enter its name in Subfolder name field (optional).</source>
        <translation>此路径仅供显示。请使用“图片”“最近位置”或“浏览”来选择或创建其他文件夹。如需保存到子文件夹中，请在“子文件夹名称”字段中输入其名称（可选）。</translation>
    </message>
    <message>
        <source>This recent folder no longer exists or is disconnected.</source>
        <translation>此最近使用的文件夹已不存在或已断开连接。</translation>
    </message>
    <message>
        <source>To stop animation, select another tab.</source>
        <translation>要停止动画，请选择其他标签页。</translation>
    </message>
    <message>
        <source>Toggle Comparison Labels</source>
        <translation>显示/隐藏对比标签</translation>
    </message>
    <message>
        <source>Toggle Inspector</source>
        <translation>显示/隐藏检查器</translation>
    </message>
    <message>
        <source>Toggle Original/Simulation labels on the Comparison tab (Ctrl+L)</source>
        <translation>在对比图标签页上显示/隐藏原图/模拟图标签（Ctrl+L）</translation>
    </message>
    <message>
        <source>Toggle Toolbar</source>
        <translation>显示/隐藏工具栏</translation>
    </message>
    <message>
        <source>Too many feedback messages were submitted. Please try again later.</source>
        <translation>提交的反馈消息过多。请稍后再试。</translation>
    </message>
    <message>
        <source>Tool Suggestions</source>
        <translation>工具使用建议</translation>
    </message>
    <message>
        <source>Tool diameter</source>
        <translation>工具直径</translation>
    </message>
    <message>
        <source>Türkçe</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Unable to open editor</source>
        <translation>无法打开编辑器</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Undo the last action (Ctrl+Z)</source>
        <translation>撤销上一步操作（Ctrl+Z）</translation>
    </message>
    <message>
        <source>Undo the latest action</source>
        <translation>撤销最近的操作</translation>
    </message>
    <message>
        <source>Unsaved image changes</source>
        <translation>图像更改未保存</translation>
    </message>
    <message>
        <source>Use Brazilian Portuguese</source>
        <translation>使用巴西葡萄牙语</translation>
    </message>
    <message>
        <source>Use English</source>
        <translation>使用英语</translation>
    </message>
    <message>
        <source>Use French</source>
        <translation>使用法语</translation>
    </message>
    <message>
        <source>Use Italian</source>
        <translation>使用意大利语</translation>
    </message>
    <message>
        <source>Use Japanese</source>
        <translation>使用日语</translation>
    </message>
    <message>
        <source>Use Korean</source>
        <translation>使用韩语</translation>
    </message>
    <message>
        <source>Use Simplified Chinese</source>
        <translation>使用简体中文</translation>
    </message>
    <message>
        <source>Use Spanish</source>
        <translation>使用西班牙语</translation>
    </message>
    <message>
        <source>Use Turkish</source>
        <translation>使用土耳其语</translation>
    </message>
    <message>
        <source>Use the system print workflow</source>
        <translation>使用系统打印流程</translation>
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
        <translation>Veltrano 记录到上次会话中发生了崩溃。

是否发送诊断报告以帮助查明原因？

包含的内容：
• 应用、操作系统和构建版本
• 崩溃信号、异常类型、线程栈和寄存器
• 用于符号化的二进制文件名称、加载地址和构建 ID

不包含的内容：
• 图像或项目内容
• 文件名或路径
• 联系信息、凭据
• 异常原因、系统日志或系统崩溃报告

线程数：%1
上传大小：%2
信号：%3（%4）</translation>
    </message>
    <message>
        <source>Veltrano content</source>
        <translation>Veltrano 内容</translation>
    </message>
    <message>
        <source>Veltrano could not find an available filename after 999 versions.</source>
        <translation>尝试 999 个版本后，Veltrano 仍未找到可用的文件名。</translation>
    </message>
    <message>
        <source>Veltrano could not prepare the selected image for sharing.</source>
        <translation>Veltrano 无法准备所选图像以供共享。</translation>
    </message>
    <message>
        <source>Veltrano could not remove its temporary video file. You may delete it manually:</source>
        <translation>Veltrano 无法移除其临时视频文件。你可以手动删除：</translation>
    </message>
    <message>
        <source>Veltrano could not remove its temporary video folder. You may delete it manually:</source>
        <translation>Veltrano 无法移除其临时视频文件夹。你可以手动删除：</translation>
    </message>
    <message>
        <source>Veltrano could not remove these temporary or incomplete image files. Inspect them manually:</source>
        <translation>Veltrano 无法移除以下临时或不完整的图像文件。请手动检查：</translation>
    </message>
    <message>
        <source>Veltrano could not restart. Close and reopen the app.</source>
        <translation>Veltrano 无法重新启动。请关闭并重新打开应用。</translation>
    </message>
    <message>
        <source>Veltrano detected a previous crash but could not prepare its diagnostic report. Any crash record kept by the system remains available.</source>
        <translation>Veltrano 检测到之前发生过崩溃，但无法准备诊断报告。系统保留的崩溃记录仍然可用。</translation>
    </message>
    <message>
        <source>Veltrano encountered an unexpected error</source>
        <translation>Veltrano 遇到意外错误</translation>
    </message>
    <message>
        <source>Veltrano image</source>
        <translation>Veltrano 图像</translation>
    </message>
    <message>
        <source>Veltrano prepares one JPEG, then the desktop shows the compatible sharing apps installed for this account.</source>
        <translation>Veltrano 会准备一个 JPEG 文件，然后桌面会显示此帐户已安装的兼容共享应用。</translation>
    </message>
    <message>
        <source>Vertical 9:16</source>
        <translation>竖屏 9:16</translation>
    </message>
    <message>
        <source>Video not saved</source>
        <translation>视频未保存</translation>
    </message>
    <message>
        <source>Video save cancelled</source>
        <translation>已取消保存视频</translation>
    </message>
    <message>
        <source>Video saved</source>
        <translation>视频已保存</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>View and navigation</source>
        <translation>视图与导航</translation>
    </message>
    <message>
        <source>WATERMARKS</source>
        <translation>水印</translation>
    </message>
    <message>
        <source>WHAT TO SHARE</source>
        <translation>共享内容</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>腰部</translation>
    </message>
    <message>
        <source>Watermark labels appear in saved image corners, including Comparison. Typical values: “Before / After” or “Original / Simulation.” Current values: %1 / %2.</source>
        <translation>水印标签显示在保存图像（包括对比图）的角落。常用值：“术前 / 术后”或“原图 / 模拟图”。当前值：%1 / %2。</translation>
    </message>
    <message>
        <source>Watermarks</source>
        <translation>水印</translation>
    </message>
    <message>
        <source>We recommend keeping the default value. If image manipulation feels slow on a less powerful computer, try reducing the maximum image size to improve responsiveness. The current image will not be resized; this setting applies to the next image you open.</source>
        <translation>建议保留默认值。如果在性能较弱的计算机上处理图像感觉缓慢，可尝试减小最大图像尺寸以提升响应速度。当前图像不会被调整大小；此设置将应用于下一次打开的图像。</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>网站</translation>
    </message>
    <message>
        <source>Web site address</source>
        <translation>网站地址</translation>
    </message>
    <message>
        <source>What to save</source>
        <translation>保存内容</translation>
    </message>
    <message>
        <source>Where / What</source>
        <translation>位置 / 内容</translation>
    </message>
    <message>
        <source>Wide 16:9</source>
        <translation>宽屏 16:9</translation>
    </message>
    <message>
        <source>With the Text tool selected, click the Simulation image exactly where you want to add your text.
Double-click existing text to select it, then drag to move it.</source>
        <translation>选中文本工具后，在模拟图上准确点击要添加文本的位置。
双击现有文本将其选中，然后拖动以移动。</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>You are already on the Animation tab</source>
        <translation>你已在动画标签页上</translation>
    </message>
    <message>
        <source>You are already on the Original picture tab</source>
        <translation>你已在原图标签页上</translation>
    </message>
    <message>
        <source>You can&apos;t modify the image on the Animate tab. Select the Simulation or Comparison tab to edit it.</source>
        <translation>无法在动画标签页上修改图像。请选择模拟图或对比图标签页进行编辑。</translation>
    </message>
    <message>
        <source>You can&apos;t modify the original image</source>
        <translation>无法修改原图</translation>
    </message>
    <message>
        <source>Your animation video is ready.</source>
        <translation>动画视频已准备就绪。</translation>
    </message>
    <message>
        <source>Your crop remains available.</source>
        <translation>裁剪区域仍然保留。</translation>
    </message>
    <message>
        <source>Your crop remains available. Adjust it or try again.</source>
        <translation>裁剪区域仍然保留。请调整后重试。</translation>
    </message>
    <message>
        <source>Your current editor image remains open and unchanged.</source>
        <translation>编辑器中的当前图像仍保持打开，且未被更改。</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you close now, those changes in the editor will be discarded.</source>
        <translation>当前结果尚未保存为图像。如果现在关闭，编辑器中的这些更改将被丢弃。</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you open another image now, those changes in the editor will be discarded.</source>
        <translation>当前结果尚未保存为图像。如果现在打开其他图像，编辑器中的这些更改将被丢弃。</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you restart now, those changes in the editor will be discarded.</source>
        <translation>当前结果尚未保存为图像。如果现在重新启动，编辑器中的这些更改将被丢弃。</translation>
    </message>
    <message>
        <source>Your feedback, name, and email will be sent to Veltrano support.</source>
        <translation>你的反馈、姓名和电子邮件将发送给 Veltrano 支持团队。</translation>
    </message>
    <message>
        <source>Your image is being saved</source>
        <translation>正在保存图像</translation>
    </message>
    <message>
        <source>Your image is ready.</source>
        <translation>图像已准备就绪。</translation>
    </message>
    <message>
        <source>Your images are never uploaded or transmitted to us.</source>
        <translation>你的图像绝不会上传或传输给我们。</translation>
    </message>
    <message>
        <source>Your images are ready.</source>
        <translation>所有图像已准备就绪。</translation>
    </message>
    <message>
        <source>Your latest changes have not been saved.</source>
        <translation>最近的更改尚未保存。</translation>
    </message>
    <message>
        <source>Your reshaped result.</source>
        <translation>塑形后的效果。</translation>
    </message>
    <message>
        <source>Your video is being saved</source>
        <translation>正在保存视频</translation>
    </message>
    <message>
        <source>You’ve reached the 5-step undo limit. Use Reconstruct for earlier deformation, or Eraser to remove earlier drawing.</source>
        <translation>已达到 5 步撤销上限。更早的变形请使用“重建”工具，更早的绘图请使用橡皮擦移除。</translation>
    </message>
    <message>
        <source>ZOOM</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>ZOOM IMAGE</source>
        <translation>缩放图像</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Zoom from Fit to sixteen times Fit</source>
        <translation>从适合窗口缩放到适合窗口的 16 倍</translation>
    </message>
    <message>
        <source>Zoom in before moving the image</source>
        <translation>请先放大再移动图像</translation>
    </message>
    <message>
        <source>Zoom in incrementally</source>
        <translation>逐步放大</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>放大或缩小</translation>
    </message>
    <message>
        <source>Zoom out incrementally</source>
        <translation>逐步缩小</translation>
    </message>
    <message>
        <source>or</source>
        <translation>或</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>– Edit ›</source>
        <translation>– 编辑 ›</translation>
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
