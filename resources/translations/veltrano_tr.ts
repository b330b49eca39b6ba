<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<!--
Glossary (English = tr); later texts follow it:
  Animate = Animasyon
  Annotate mode = Ek açıklama modu
  annotation = ek açıklama
  Backspace = Backspace
  Before / After = Öncesi / Sonrası
  brush = fırça
  canvas = tuval
  Comparison = Karşılaştırma
  comparison labels = karşılaştırma etiketleri
  contact information = iletişim bilgileri
  crash report = çökme raporu
  crop = kırpma
  deformation = deformasyon
  editing canvas = düzenleme tuvali
  editor = düzenleyici
  Eraser = Silgi
  feedback = geri bildirim
  file manager = dosya yöneticisi
  Fit = Sığdır
  Grow = Büyüt
  Hips = Basen
  image = görüntü
  inspector = denetçi
  label (watermark label) = etiket
  Nostrils = Burun kanatları
  Original = Orijinal
  Output = Çıktı
  percentage (%1%) = %%1 (percent sign before the number)
  Pictures (folder) = Resimler
  Print = Yazdır
  Push = İtme
  Reconstruct = Yeniden Oluştur
  redo = Yinele
  reset = Sıfırla
  reshape = şekillendirme
  Reshape (mode title) = Şekillendirme
  Save images = Görüntüleri kaydet
  Save video = Videoyu kaydet
  Settings = Ayarlar
  Share = Paylaş
  Shrink = Küçült
  Simulation = Simülasyon
  source image = kaynak görüntü
  Spacebar = Boşluk tuşu
  still image = durağan görüntü
  tab = sekme
  undo = Geri al
  watermark = filigran
  zoom = yakınlaştırma
  Zoom In / Zoom Out = Yakınlaştır / Uzaklaştır
Never use (native readers misread them; the check refuses them):
  Push ≠ İt: the noun “dog” (“İt'i seç” reads “select the dog”); Push is İtme
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
        <translation>%1 bayt</translation>
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
        <translation>%1 — Kullanılamıyor - Kaldır</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%%1</translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation>%1, %2 pt</translation>
    </message>
    <message>
        <source>%1, %2 pt, italic</source>
        <translation>%1, %2 pt, italik</translation>
    </message>
    <message>
        <source>%1, mirrored</source>
        <translation>%1, aynalanmış</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 bayt</translation>
    </message>
    <message>
        <source>3 SHORTCUTS WORTH KNOWING</source>
        <translation>BİLMEYE DEĞER 3 KISAYOL</translation>
    </message>
    <message>
        <source>About Veltrano</source>
        <translation>Veltrano hakkında</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Gerçek boyut</translation>
    </message>
    <message>
        <source>Add an Original or Simulation label to enable this option.</source>
        <translation>Bu seçeneği etkinleştirmek için bir Orijinal veya Simülasyon etiketi ekleyin.</translation>
    </message>
    <message>
        <source>Add contact information to enable this option.</source>
        <translation>Bu seçeneği etkinleştirmek için iletişim bilgilerini ekleyin.</translation>
    </message>
    <message>
        <source>Add mid-face volume for a filler-like fullness.</source>
        <translation>Dolgu benzeri bir dolgunluk için orta yüze hacim ekleyin.</translation>
    </message>
    <message>
        <source>Add multiline text to the Simulation (T)</source>
        <translation>Simülasyona çok satırlı metin ekle (T)</translation>
    </message>
    <message>
        <source>Add multiline text to the Simulation.</source>
        <translation>Simülasyona çok satırlı metin ekleyin.</translation>
    </message>
    <message>
        <source>Add projection and roundness for an augmentation effect.</source>
        <translation>Büyütme etkisi için projeksiyon ve yuvarlaklık ekleyin.</translation>
    </message>
    <message>
        <source>Add text</source>
        <translation>Metin ekle</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Adjust brush size</source>
        <translation>Fırça boyutunu ayarla</translation>
    </message>
    <message>
        <source>Adjust brush size (Alt + two-finger scroll or mouse wheel)</source>
        <translation>Fırça boyutunu ayarla (Alt + iki parmakla kaydırma veya fare tekerleği)</translation>
    </message>
    <message>
        <source>All shortcuts</source>
        <translation>Tüm kısayollar</translation>
    </message>
    <message>
        <source>All three tabs (3 pages)</source>
        <translation>Üç sekmenin tümü (3 sayfa)</translation>
    </message>
    <message>
        <source>All three tabs — saves 3 files</source>
        <translation>Üç sekmenin tümü — 3 dosya kaydeder</translation>
    </message>
    <message>
        <source>Alt + 2-finger scroll
or mouse wheel</source>
        <translation>Alt + 2 parmakla kaydırma
veya fare tekerleği</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Animasyon</translation>
    </message>
    <message>
        <source>Animation video could not be saved. %1</source>
        <translation>Animasyon videosu kaydedilemedi. %1</translation>
    </message>
    <message>
        <source>Animation video export was cancelled, but cleanup needs attention.</source>
        <translation>Animasyon videosu dışa aktarımı iptal edildi, ancak temizlik işleminin kontrol edilmesi gerekiyor.</translation>
    </message>
    <message>
        <source>Animation video requires an editing canvas at least 2 × 2 pixels.</source>
        <translation>Animasyon videosu için düzenleme tuvalinin en az 2 × 2 piksel olması gerekir.</translation>
    </message>
    <message>
        <source>Annotate</source>
        <translation>Ek açıklama</translation>
    </message>
    <message>
        <source>Annotate mode</source>
        <translation>Ek açıklama modu</translation>
    </message>
    <message>
        <source>Annotation eraser tool</source>
        <translation>Ek açıklama silgisi aracı</translation>
    </message>
    <message>
        <source>Annotation tools</source>
        <translation>Ek açıklama araçları</translation>
    </message>
    <message>
        <source>Any existing file at this destination was left unchanged.</source>
        <translation>Bu hedefte daha önce bulunan bir dosya varsa değiştirilmeden bırakıldı.</translation>
    </message>
    <message>
        <source>Arms</source>
        <translation>Kollar</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Otomatik</translation>
    </message>
    <message>
        <source>Automatically adapts both saved-image size limits to the current image dimensions.</source>
        <translation>Kaydedilen görüntü için iki boyut sınırını da mevcut görüntü boyutlarına göre otomatik olarak uyarlar.</translation>
    </message>
    <message>
        <source>BRUSH</source>
        <translation>FIRÇA</translation>
    </message>
    <message>
        <source>BRUSH SIZE</source>
        <translation>FIRÇA BOYUTU</translation>
    </message>
    <message>
        <source>Backspace or Delete</source>
        <translation>Backspace veya Delete</translation>
    </message>
    <message>
        <source>Balance editing responsiveness and resource use on this computer.</source>
        <translation>Bu bilgisayarda düzenleme hızı ile kaynak kullanımı arasında denge kurun.</translation>
    </message>
    <message>
        <source>Base filename (e.g., patient&apos;s name)</source>
        <translation>Temel dosya adı (ör. hastanın adı)</translation>
    </message>
    <message>
        <source>Breast</source>
        <translation>Göğüs</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Gözat…</translation>
    </message>
    <message>
        <source>Brush over a changed area to progressively return it toward the Original, without resetting the rest of the simulation.</source>
        <translation>Değişmiş bir alanın üzerinden fırçayla geçerek onu simülasyonun geri kalanını sıfırlamadan kademeli olarak Orijinale döndürün.</translation>
    </message>
    <message>
        <source>Buttocks</source>
        <translation>Kalçalar</translation>
    </message>
    <message>
        <source>CROP · SOURCE IMAGE</source>
        <translation>KIRPMA · KAYNAK GÖRÜNTÜ</translation>
    </message>
    <message>
        <source>Calves</source>
        <translation>Baldırlar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Cancel an incomplete action or clear the annotation selection</source>
        <translation>Tamamlanmamış bir işlemi iptal et veya ek açıklama seçimini temizle</translation>
    </message>
    <message>
        <source>Cancel closing Veltrano</source>
        <translation>Veltrano&apos;yu kapatmayı iptal et</translation>
    </message>
    <message>
        <source>Cancel opening another image</source>
        <translation>Başka bir görüntü açmayı iptal et</translation>
    </message>
    <message>
        <source>Cancelling video save…</source>
        <translation>Video kaydı iptal ediliyor…</translation>
    </message>
    <message>
        <source>Canvas size</source>
        <translation>Tuval boyutu</translation>
    </message>
    <message>
        <source>Center and fit the complete image</source>
        <translation>Görüntünün tamamını ortala ve sığdır</translation>
    </message>
    <message>
        <source>Center and fit the complete image (F)</source>
        <translation>Görüntünün tamamını ortala ve sığdır (F)</translation>
    </message>
    <message>
        <source>Changes made here are also saved in Settings, even if image saving is cancelled.</source>
        <translation>Burada yapılan değişiklikler, görüntü kaydetme iptal edilse bile Ayarlar&apos;a da kaydedilir.</translation>
    </message>
    <message>
        <source>Changes save automatically</source>
        <translation>Değişiklikler otomatik olarak kaydedilir</translation>
    </message>
    <message>
        <source>Cheeks</source>
        <translation>Yanaklar</translation>
    </message>
    <message>
        <source>Chin &amp; jaw</source>
        <translation>Çene ve çene hattı</translation>
    </message>
    <message>
        <source>Choose a JPEG, PNG, BMP, TIFF, HEIC, or HEIF image.</source>
        <translation>JPEG, PNG, BMP, TIFF, HEIC veya HEIF biçiminde bir görüntü seçin.</translation>
    </message>
    <message>
        <source>Choose a save location.</source>
        <translation>Bir kayıt konumu seçin.</translation>
    </message>
    <message>
        <source>Choose another local photograph</source>
        <translation>Başka bir yerel fotoğraf seç</translation>
    </message>
    <message>
        <source>Choose drawing and text color</source>
        <translation>Çizim ve metin rengini seç</translation>
    </message>
    <message>
        <source>Choose one local image to crop. The original file will not be changed.</source>
        <translation>Kırpmak için bir yerel görüntü seçin. Orijinal dosya değiştirilmez.</translation>
    </message>
    <message>
        <source>Choose or drop one local image to open the crop screen.</source>
        <translation>Kırpma ekranını açmak için bir yerel görüntü seçin veya bırakın.</translation>
    </message>
    <message>
        <source>Choose the destination and the images to save.</source>
        <translation>Hedefi ve kaydedilecek görüntüleri seçin.</translation>
    </message>
    <message>
        <source>Choose the destination for your saved image files.</source>
        <translation>Kaydedilen görüntü dosyalarınızın hedefini seçin.</translation>
    </message>
    <message>
        <source>Choose the file type for saved images.</source>
        <translation>Kaydedilen görüntülerin dosya türünü seçin.</translation>
    </message>
    <message>
        <source>Choose the font used by the Text tool</source>
        <translation>Metin aracının kullanacağı yazı tipini seç</translation>
    </message>
    <message>
        <source>Choose the frame</source>
        <translation>Kadrajı seçin</translation>
    </message>
    <message>
        <source>Choose the information included in saved images.</source>
        <translation>Kaydedilen görüntülere eklenecek bilgileri seçin.</translation>
    </message>
    <message>
        <source>Choose the interface language.</source>
        <translation>Arayüz dilini seçin.</translation>
    </message>
    <message>
        <source>Choose what to save and where it goes.</source>
        <translation>Neyin kaydedileceğini ve nereye kaydedileceğini seçin.</translation>
    </message>
    <message>
        <source>Choose where to save the animation video.</source>
        <translation>Animasyon videosunun kaydedileceği yeri seçin.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Seç…</translation>
    </message>
    <message>
        <source>Cinema 21:9</source>
        <translation>Sinema 21:9</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Daire</translation>
    </message>
    <message>
        <source>Circle annotation tool</source>
        <translation>Daire ek açıklama aracı</translation>
    </message>
    <message>
        <source>Classic 4:3</source>
        <translation>Klasik 4:3</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Yine de kapat</translation>
    </message>
    <message>
        <source>Close GPU editor error</source>
        <translation>GPU düzenleyici hatasını kapat</translation>
    </message>
    <message>
        <source>Close Save images</source>
        <translation>Görüntüleri kaydet penceresini kapat</translation>
    </message>
    <message>
        <source>Close Send Feedback</source>
        <translation>Geri bildirim gönder penceresini kapat</translation>
    </message>
    <message>
        <source>Close Settings</source>
        <translation>Ayarları kapat</translation>
    </message>
    <message>
        <source>Close Share image</source>
        <translation>Görüntüyü paylaş penceresini kapat</translation>
    </message>
    <message>
        <source>Close Shortcuts</source>
        <translation>Kısayolları kapat</translation>
    </message>
    <message>
        <source>Close Veltrano without saving image changes</source>
        <translation>Görüntü değişikliklerini kaydetmeden Veltrano&apos;yu kapat</translation>
    </message>
    <message>
        <source>Close error message</source>
        <translation>Hata mesajını kapat</translation>
    </message>
    <message>
        <source>Close saved output</source>
        <translation>Kaydedilen çıktı ekranını kapat</translation>
    </message>
    <message>
        <source>Close saved video</source>
        <translation>Kaydedilen video ekranını kapat</translation>
    </message>
    <message>
        <source>Close video save error</source>
        <translation>Video kaydetme hatasını kapat</translation>
    </message>
    <message>
        <source>Collapse or expand the inspector</source>
        <translation>Denetçiyi daralt veya genişlet</translation>
    </message>
    <message>
        <source>Collapse or expand the left toolbar</source>
        <translation>Sol araç çubuğunu daralt veya genişlet</translation>
    </message>
    <message>
        <source>Collapse toolbar (Ctrl+T)</source>
        <translation>Araç çubuğunu daralt (Ctrl+T)</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Renk</translation>
    </message>
    <message>
        <source>Combined Original and Simulation view (switch tabs: Left/Right Arrow keys)</source>
        <translation>Orijinal ve Simülasyon birleşik görünümü (sekme değiştirme: Sol/Sağ ok tuşları)</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Karşılaştırma</translation>
    </message>
    <message>
        <source>Comparison image</source>
        <translation>Karşılaştırma görüntüsü</translation>
    </message>
    <message>
        <source>Comparison label settings</source>
        <translation>Karşılaştırma etiketi ayarları</translation>
    </message>
    <message>
        <source>Comparison labels</source>
        <translation>Karşılaştırma etiketleri</translation>
    </message>
    <message>
        <source>Comparison maximum stacked dimension (px)</source>
        <translation>Karşılaştırma en büyük birleşik boyutu (px)</translation>
    </message>
    <message>
        <source>Contact information</source>
        <translation>İletişim bilgileri</translation>
    </message>
    <message>
        <source>Contact information can be added to images shared with patients or colleagues.</source>
        <translation>Hastalarla veya meslektaşlarla paylaşılan görüntülere iletişim bilgileri eklenebilir.</translation>
    </message>
    <message>
        <source>Contact information can be included in saved, shared, or printed images. Enter it once here, then choose for each output whether to include it—for example, when distributing images to colleagues or patients.</source>
        <translation>İletişim bilgileri kaydedilen, paylaşılan veya yazdırılan görüntülere eklenebilir. Bilgileri burada bir kez girin, ardından her çıktı için eklenip eklenmeyeceğini seçin; örneğin görüntüleri meslektaşlarınıza veya hastalarınıza dağıtırken.</translation>
    </message>
    <message>
        <source>Contact information settings</source>
        <translation>İletişim bilgileri ayarları</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>Continue to the desktop&apos;s sharing apps</source>
        <translation>Masaüstünün paylaşım uygulamalarına devam et</translation>
    </message>
    <message>
        <source>Contract an area smoothly (S)</source>
        <translation>Bir alanı yumuşakça daralt (S)</translation>
    </message>
    <message>
        <source>Contract an area smoothly toward the centre of the brush. Use short, controlled passes for precise changes.</source>
        <translation>Bir alanı fırçanın merkezine doğru yumuşakça daraltın. Hassas değişiklikler için kısa, kontrollü geçişler yapın.</translation>
    </message>
    <message>
        <source>Copy Image</source>
        <translation>Görüntüyü kopyala</translation>
    </message>
    <message>
        <source>Correct the selected text while preserving its appearance and position.</source>
        <translation>Seçili metnin görünümünü ve konumunu koruyarak metni düzeltin.</translation>
    </message>
    <message>
        <source>Could not decode crash report with size of %lu bytes.</source>
        <translation>%lu bayt boyutundaki çökme raporunun kodu çözülemedi.</translation>
    </message>
    <message>
        <source>Could not decode invalid crash log header</source>
        <translation>Geçersiz çökme günlüğü başlığının kodu çözülemedi</translation>
    </message>
    <message>
        <source>Could not decode truncated crash log</source>
        <translation>Kesik çökme günlüğünün kodu çözülemedi</translation>
    </message>
    <message>
        <source>Could not decode unsupported crash report version: %d</source>
        <translation>Desteklenmeyen çökme raporu sürümünün kodu çözülemedi: %d</translation>
    </message>
    <message>
        <source>Crash report has an unknown architecture</source>
        <translation>Çökme raporunun mimarisi bilinmiyor</translation>
    </message>
    <message>
        <source>Crash report includes too many Mach Exception codes</source>
        <translation>Çökme raporunda çok fazla Mach özel durum kodu var</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information app identifier field</source>
        <translation>Çökme raporunda Uygulama Bilgileri uygulama tanımlayıcısı alanı eksik</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information app version field</source>
        <translation>Çökme raporunda Uygulama Bilgileri uygulama sürümü alanı eksik</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information section</source>
        <translation>Çökme raporunda Uygulama Bilgileri bölümü eksik</translation>
    </message>
    <message>
        <source>Crash report is missing Exception Information section</source>
        <translation>Çökme raporunda Özel Durum Bilgileri bölümü eksik</translation>
    </message>
    <message>
        <source>Crash report is missing Mach Exception Information section</source>
        <translation>Çökme raporunda Mach Özel Durum Bilgileri bölümü eksik</translation>
    </message>
    <message>
        <source>Crash report is missing Machine Information section</source>
        <translation>Çökme raporunda Makine Bilgileri bölümü eksik</translation>
    </message>
    <message>
        <source>Crash report is missing Process Information section</source>
        <translation>Çökme raporunda İşlem Bilgileri bölümü eksik</translation>
    </message>
    <message>
        <source>Crash report is missing Signal Information section</source>
        <translation>Çökme raporunda Sinyal Bilgileri bölümü eksik</translation>
    </message>
    <message>
        <source>Crash report is missing System Information OS version field</source>
        <translation>Çökme raporunda Sistem Bilgileri işletim sistemi sürümü alanı eksik</translation>
    </message>
    <message>
        <source>Crash report is missing System Information section</source>
        <translation>Çökme raporunda Sistem Bilgileri bölümü eksik</translation>
    </message>
    <message>
        <source>Crash report is missing binary image information</source>
        <translation>Çökme raporunda ikili görüntü bilgileri eksik</translation>
    </message>
    <message>
        <source>Crash report is missing exception name field</source>
        <translation>Çökme raporunda özel durum adı alanı eksik</translation>
    </message>
    <message>
        <source>Crash report is missing exception reason field</source>
        <translation>Çökme raporunda özel durum nedeni alanı eksik</translation>
    </message>
    <message>
        <source>Crash report is missing processor info section</source>
        <translation>Çökme raporunda işlemci bilgileri bölümü eksik</translation>
    </message>
    <message>
        <source>Crash report is missing signal code field</source>
        <translation>Çökme raporunda sinyal kodu alanı eksik</translation>
    </message>
    <message>
        <source>Crash report is missing signal name field</source>
        <translation>Çökme raporunda sinyal adı alanı eksik</translation>
    </message>
    <message>
        <source>Crash report is missing stack frame information</source>
        <translation>Çökme raporunda yığın çerçevesi bilgileri eksik</translation>
    </message>
    <message>
        <source>Crash report is missing symbol information</source>
        <translation>Çökme raporunda sembol bilgileri eksik</translation>
    </message>
    <message>
        <source>Crash report is missing thread state information</source>
        <translation>Çökme raporunda iş parçacığı durumu bilgileri eksik</translation>
    </message>
    <message>
        <source>Crash report not sent</source>
        <translation>Çökme raporu gönderilmedi</translation>
    </message>
    <message>
        <source>Crash report sent</source>
        <translation>Çökme raporu gönderildi</translation>
    </message>
    <message>
        <source>Crash report unavailable</source>
        <translation>Çökme raporu kullanılamıyor</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Kırpma</translation>
    </message>
    <message>
        <source>Crop - Flip</source>
        <translation>Kırp - Çevir</translation>
    </message>
    <message>
        <source>Crop image</source>
        <translation>Görüntüyü kırp</translation>
    </message>
    <message>
        <source>Crop preview</source>
        <translation>Kırpma önizlemesi</translation>
    </message>
    <message>
        <source>Crop ready</source>
        <translation>Kırpma hazır</translation>
    </message>
    <message>
        <source>Current Tab</source>
        <translation>Geçerli sekme</translation>
    </message>
    <message>
        <source>Current Tab (%1)</source>
        <translation>Geçerli sekme (%1)</translation>
    </message>
    <message>
        <source>Current image dimensions: %1 × %2 px (width × height).</source>
        <translation>Mevcut görüntü boyutları: %1 × %2 px (genişlik × yükseklik).</translation>
    </message>
    <message>
        <source>Default: “Original” · left or bottom</source>
        <translation>Varsayılan: “Orijinal” · sol veya alt</translation>
    </message>
    <message>
        <source>Default: “Simulation” · right or top</source>
        <translation>Varsayılan: “Simülasyon” · sağ veya üst</translation>
    </message>
    <message>
        <source>Delete each complete drawing object touched by the eraser (E)</source>
        <translation>Silginin dokunduğu her çizim nesnesini tamamen sil (E)</translation>
    </message>
    <message>
        <source>Delete the selected annotation</source>
        <translation>Seçili ek açıklamayı sil</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Hedef</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Dismiss editor message</source>
        <translation>Düzenleyici mesajını kapat</translation>
    </message>
    <message>
        <source>Display the image at 100%</source>
        <translation>Görüntüyü %100 boyutunda göster</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Belgeler</translation>
    </message>
    <message>
        <source>Don&apos;t send</source>
        <translation>Gönderme</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>Done with Settings</source>
        <translation>Ayarları tamamla</translation>
    </message>
    <message>
        <source>Drag an image here</source>
        <translation>Bir görüntüyü buraya sürükleyin</translation>
    </message>
    <message>
        <source>Drag an image here or open the file browser</source>
        <translation>Bir görüntüyü buraya sürükleyin veya dosya tarayıcısını açın</translation>
    </message>
    <message>
        <source>Drag the chin forward for augmentation, or pull the jawline in to slim the lower face.</source>
        <translation>Büyütme için çeneyi öne çekin veya alt yüzü inceltmek için çene hattını içeri alın.</translation>
    </message>
    <message>
        <source>Drag the selection area or its corners if necessary</source>
        <translation>Gerekirse seçim alanını veya köşelerini sürükleyin</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Çizim</translation>
    </message>
    <message>
        <source>Draw a circle or ellipse annotation outline</source>
        <translation>Daire veya elips ek açıklama dış çizgisi çiz</translation>
    </message>
    <message>
        <source>Draw a circle or ellipse outline on the Simulation.
Double-click an existing circle to select it, then drag to move it.</source>
        <translation>Simülasyon üzerine daire veya elips dış çizgisi çizin.
Mevcut bir daireyi seçmek için çift tıklayın, ardından taşımak için sürükleyin.</translation>
    </message>
    <message>
        <source>Draw a freeform annotation on the Simulation (D)</source>
        <translation>Simülasyon üzerine serbest ek açıklama çiz (D)</translation>
    </message>
    <message>
        <source>Draw a freeform line over the Simulation.
Double-click an existing drawing to select it, then drag to move it.</source>
        <translation>Simülasyon üzerine serbest bir çizgi çizin.
Mevcut bir çizimi seçmek için çift tıklayın, ardından taşımak için sürükleyin.</translation>
    </message>
    <message>
        <source>Draw a rectangular annotation outline</source>
        <translation>Dikdörtgen ek açıklama dış çizgisi çiz</translation>
    </message>
    <message>
        <source>Draw a rectangular outline on the Simulation.
Double-click an existing rectangle to select it, then drag to move it.</source>
        <translation>Simülasyon üzerine dikdörtgen dış çizgisi çizin.
Mevcut bir dikdörtgeni seçmek için çift tıklayın, ardından taşımak için sürükleyin.</translation>
    </message>
    <message>
        <source>Draw a straight annotation line</source>
        <translation>Düz bir ek açıklama çizgisi çiz</translation>
    </message>
    <message>
        <source>Draw annotation tool</source>
        <translation>Çizim ek açıklama aracı</translation>
    </message>
    <message>
        <source>Draws a straight line.
Double-click an existing line to select it, then drag to move it.</source>
        <translation>Düz bir çizgi çizer.
Mevcut bir çizgiyi seçmek için çift tıklayın, ardından taşımak için sürükleyin.</translation>
    </message>
    <message>
        <source>Drop to open image</source>
        <translation>Görüntüyü açmak için bırakın</translation>
    </message>
    <message>
        <source>Ears</source>
        <translation>Kulaklar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzenle</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Metni düzenle</translation>
    </message>
    <message>
        <source>Edit the selected text annotation</source>
        <translation>Seçili metin ek açıklamasını düzenle</translation>
    </message>
    <message>
        <source>Edit watermark information…</source>
        <translation>Filigran bilgilerini düzenle…</translation>
    </message>
    <message>
        <source>Editable Simulation image (switch tabs: Left/Right Arrow keys)</source>
        <translation>Düzenlenebilir Simülasyon görüntüsü (sekme değiştirme: Sol/Sağ ok tuşları)</translation>
    </message>
    <message>
        <source>Editing canvas %1 × %2 px</source>
        <translation>Düzenleme tuvali %1 × %2 px</translation>
    </message>
    <message>
        <source>Editor image view</source>
        <translation>Düzenleyici görüntü görünümü</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-posta</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Enlarge the vermilion evenly; keep the brush slightly larger than the lip being treated.</source>
        <translation>Dudak kırmızısını eşit şekilde büyütün; fırçayı işlenen dudaktan biraz büyük tutun.</translation>
    </message>
    <message>
        <source>Enter a base filename.</source>
        <translation>Bir temel dosya adı girin.</translation>
    </message>
    <message>
        <source>Enter a complete http:// or https:// address such as %1, or leave the field empty.</source>
        <translation>Tam bir http:// veya https:// adresi girin, örneğin %1; ya da alanı boş bırakın.</translation>
    </message>
    <message>
        <source>Enter a complete http:// or https:// address such as %1, or leave this field empty.</source>
        <translation>Tam bir http:// veya https:// adresi girin, örneğin %1; ya da bu alanı boş bırakın.</translation>
    </message>
    <message>
        <source>Enter a valid email address, or leave the field empty.</source>
        <translation>Geçerli bir e-posta adresi girin veya alanı boş bırakın.</translation>
    </message>
    <message>
        <source>Enter a valid email address, or leave this field empty.</source>
        <translation>Geçerli bir e-posta adresi girin veya bu alanı boş bırakın.</translation>
    </message>
    <message>
        <source>Enter a valid filename.</source>
        <translation>Geçerli bir dosya adı girin.</translation>
    </message>
    <message>
        <source>Enter a valid system filename without a path separator.</source>
        <translation>Yol ayırıcı içermeyen, sistemde geçerli bir dosya adı girin.</translation>
    </message>
    <message>
        <source>Enter a valid system folder name without a path separator.</source>
        <translation>Yol ayırıcı içermeyen, sistemde geçerli bir klasör adı girin.</translation>
    </message>
    <message>
        <source>Enter a whole number from 1 to %1.</source>
        <translation>1 ile %1 arasında bir tam sayı girin.</translation>
    </message>
    <message>
        <source>Enter a whole number from 2 to %1.</source>
        <translation>2 ile %1 arasında bir tam sayı girin.</translation>
    </message>
    <message>
        <source>Enter your feedback before sending.</source>
        <translation>Göndermeden önce geri bildiriminizi girin.</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Silgi</translation>
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
        <translation>Bir alanı yumuşakça büyüt (G)</translation>
    </message>
    <message>
        <source>Expand an area smoothly away from the centre of the brush. Build the change with short, controlled passes.</source>
        <translation>Bir alanı fırçanın merkezinden dışa doğru yumuşakça büyütün. Değişikliği kısa, kontrollü geçişlerle oluşturun.</translation>
    </message>
    <message>
        <source>Expand toolbar (Ctrl+T)</source>
        <translation>Araç çubuğunu genişlet (Ctrl+T)</translation>
    </message>
    <message>
        <source>Export the deformation animation as MP4</source>
        <translation>Deformasyon animasyonunu MP4 olarak dışa aktar</translation>
    </message>
    <message>
        <source>Export watermarks use white text with a black outline. Contact information appears once at the lower-left of each saved file.</source>
        <translation>Dışa aktarma filigranları siyah dış çizgili beyaz metin kullanır. İletişim bilgileri, kaydedilen her dosyanın sol alt köşesinde bir kez görünür.</translation>
    </message>
    <message>
        <source>Eyes</source>
        <translation>Gözler</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Geri bildirim</translation>
    </message>
    <message>
        <source>Feedback must be 5,000 characters or fewer.</source>
        <translation>Geri bildirim en fazla 5.000 karakter olmalıdır.</translation>
    </message>
    <message>
        <source>Feedback received</source>
        <translation>Geri bildirim alındı</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>Dosya biçimi</translation>
    </message>
    <message>
        <source>File and output</source>
        <translation>Dosya ve çıktı</translation>
    </message>
    <message>
        <source>File format</source>
        <translation>Dosya biçimi</translation>
    </message>
    <message>
        <source>Filled circle</source>
        <translation>Dolu daire</translation>
    </message>
    <message>
        <source>Filled circle annotation tool</source>
        <translation>Dolu daire ek açıklama aracı</translation>
    </message>
    <message>
        <source>Filled rectangle</source>
        <translation>Dolu dikdörtgen</translation>
    </message>
    <message>
        <source>Filled rectangle annotation tool</source>
        <translation>Dolu dikdörtgen ek açıklama aracı</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Sığdır</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>Yatay çevir</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Dikey çevir</translation>
    </message>
    <message>
        <source>Folders cannot be opened here. Please choose one image file.</source>
        <translation>Klasörler burada açılamaz. Lütfen bir görüntü dosyası seçin.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Yazı tipi</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Biçim</translation>
    </message>
    <message>
        <source>Français</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Serbest</translation>
    </message>
    <message>
        <source>Free text (for example, a disclaimer)</source>
        <translation>Serbest metin (örneğin bir yasal uyarı)</translation>
    </message>
    <message>
        <source>Full image</source>
        <translation>Tam görüntü</translation>
    </message>
    <message>
        <source>GPU editor unavailable</source>
        <translation>GPU düzenleyici kullanılamıyor</translation>
    </message>
    <message>
        <source>Go to editor</source>
        <translation>Düzenleyiciye geç</translation>
    </message>
    <message>
        <source>Grow</source>
        <translation>Büyüt</translation>
    </message>
    <message>
        <source>Grow reshape tool</source>
        <translation>Büyüt şekillendirme aracı</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Hide inspector</source>
        <translation>Denetçiyi gizle</translation>
    </message>
    <message>
        <source>Higher quality preserves more photographic detail but produces a larger file.</source>
        <translation>Daha yüksek kalite daha fazla fotoğraf ayrıntısını korur ancak daha büyük bir dosya oluşturur.</translation>
    </message>
    <message>
        <source>Hips</source>
        <translation>Basen</translation>
    </message>
    <message>
        <source>History and selection</source>
        <translation>Geçmiş ve seçim</translation>
    </message>
    <message>
        <source>Hold Alt and scroll with two fingers, or use the mouse wheel</source>
        <translation>Alt tuşunu basılı tutup iki parmakla kaydırın veya fare tekerleğini kullanın</translation>
    </message>
    <message>
        <source>Hold the middle mouse button and drag, or hold Spacebar and drag</source>
        <translation>Farenin orta düğmesini basılı tutup sürükleyin veya Boşluk tuşunu basılı tutup sürükleyin</translation>
    </message>
    <message>
        <source>Hold the middle mouse button or Spacebar to move the zoomed image.</source>
        <translation>Yakınlaştırılmış görüntüyü taşımak için orta fare düğmesini veya Boşluk tuşunu basılı tutun.</translation>
    </message>
    <message>
        <source>INSPECTOR</source>
        <translation>DENETÇİ</translation>
    </message>
    <message>
        <source>Image not opened</source>
        <translation>Görüntü açılmadı</translation>
    </message>
    <message>
        <source>Image not saved</source>
        <translation>Görüntü kaydedilmedi</translation>
    </message>
    <message>
        <source>Image not shared</source>
        <translation>Görüntü paylaşılmadı</translation>
    </message>
    <message>
        <source>Image saved</source>
        <translation>Görüntü kaydedildi</translation>
    </message>
    <message>
        <source>Image saving cleanup</source>
        <translation>Görüntü kaydetme temizliği</translation>
    </message>
    <message>
        <source>Image saving was cancelled, but cleanup needs attention.</source>
        <translation>Görüntü kaydetme iptal edildi, ancak temizlik işleminin kontrol edilmesi gerekiyor.</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Görüntüler</translation>
    </message>
    <message>
        <source>Images saved</source>
        <translation>Görüntüler kaydedildi</translation>
    </message>
    <message>
        <source>Include Original / Simulation labels</source>
        <translation>Orijinal / Simülasyon etiketlerini ekle</translation>
    </message>
    <message>
        <source>Include contact information</source>
        <translation>İletişim bilgilerini ekle</translation>
    </message>
    <message>
        <source>Increase breast volume symmetrically; work in small steps and compare both sides.</source>
        <translation>Göğüs hacmini simetrik olarak artırın; küçük adımlarla çalışın ve iki tarafı karşılaştırın.</translation>
    </message>
    <message>
        <source>Increase calf volume for a more defined lower leg.</source>
        <translation>Daha belirgin bir alt bacak için baldır hacmini artırın.</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>JPEG image (.jpg)</source>
        <translation>JPEG görüntüsü (.jpg)</translation>
    </message>
    <message>
        <source>JPEG quality</source>
        <translation>JPEG kalitesi</translation>
    </message>
    <message>
        <source>Keyboard and mouse controls for editing quickly.</source>
        <translation>Hızlı düzenleme için klavye ve fare kontrolleri.</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiket</translation>
    </message>
    <message>
        <source>Landscape images are stacked vertically. This value limits the total height; Simulation is above and Original below.</source>
        <translation>Yatay görüntüler dikey olarak üst üste dizilir. Bu değer toplam yüksekliği sınırlar; Simülasyon üstte, Orijinal altta yer alır.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Language settings</source>
        <translation>Dil ayarları</translation>
    </message>
    <message>
        <source>Leave a field empty to hide its watermark label everywhere. Changes are reflected immediately.</source>
        <translation>Bir alanı boş bırakırsanız ilgili filigran etiketi her yerde gizlenir. Değişiklikler hemen uygulanır.</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Sol Ok</translation>
    </message>
    <message>
        <source>Lift the underarm contour upward in short strokes.</source>
        <translation>Kol altı hattını kısa darbelerle yukarı kaldırın.</translation>
    </message>
    <message>
        <source>Limits the longest side of the Original and Simulation images when Auto is off. Aspect ratio is preserved.</source>
        <translation>Otomatik kapalıyken Orijinal ve Simülasyon görüntülerinin en uzun kenarını sınırlar. En boy oranı korunur.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Çizgi</translation>
    </message>
    <message>
        <source>Line annotation tool</source>
        <translation>Çizgi ek açıklama aracı</translation>
    </message>
    <message>
        <source>Lips</source>
        <translation>Dudaklar</translation>
    </message>
    <message>
        <source>Loading image…</source>
        <translation>Görüntü yükleniyor…</translation>
    </message>
    <message>
        <source>MPEG-4 movie</source>
        <translation>MPEG-4 filmi</translation>
    </message>
    <message>
        <source>Maximum image dimension: %1 px. Larger selections are downsized to keep editing smooth. Lower this limit in Settings / Performance on a less powerful computer.</source>
        <translation>En büyük görüntü boyutu: %1 px. Daha büyük seçimler, düzenlemenin akıcı kalması için küçültülür. Daha az güçlü bir bilgisayarda bu sınırı Ayarlar / Performans bölümünden düşürün.</translation>
    </message>
    <message>
        <source>Maximum image side</source>
        <translation>En büyük görüntü kenarı</translation>
    </message>
    <message>
        <source>Middle mouse button + drag
or Spacebar + drag</source>
        <translation>Orta fare düğmesi + sürükleme
veya Boşluk tuşu + sürükleme</translation>
    </message>
    <message>
        <source>Morphing animation from the Original to the Simulation image</source>
        <translation>Orijinal görüntüden Simülasyon görüntüsüne geçiş animasyonu</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Taşı</translation>
    </message>
    <message>
        <source>Move around a zoomed image</source>
        <translation>Yakınlaştırılmış bir görüntüde gezin</translation>
    </message>
    <message>
        <source>Move around a zoomed image (middle mouse button or Spacebar)</source>
        <translation>Yakınlaştırılmış görüntüde gezin (orta fare düğmesi veya Boşluk tuşu)</translation>
    </message>
    <message>
        <source>Move image mode</source>
        <translation>Görüntü taşıma modu</translation>
    </message>
    <message>
        <source>Move pixels in the direction you drag (P)</source>
        <translation>Pikselleri sürüklediğiniz yöne taşı (P)</translation>
    </message>
    <message>
        <source>Move the outer ear closer to the head with small, slow strokes.</source>
        <translation>Dış kulağı küçük, yavaş darbelerle başa yaklaştırın.</translation>
    </message>
    <message>
        <source>Moves the image area inside the brush circle in the direction of your drag. Experiment with different brush sizes and slow strokes until you achieve the desired result.</source>
        <translation>Fırça dairesinin içindeki görüntü alanını sürükleme yönünüzde taşır. İstediğiniz sonuca ulaşana kadar farklı fırça boyutları ve yavaş darbelerle deneyin.</translation>
    </message>
    <message>
        <source>Must use</source>
        <translation>Mutlaka bilinmeli</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Name must be 100 characters or fewer.</source>
        <translation>Ad en fazla 100 karakter olmalıdır.</translation>
    </message>
    <message>
        <source>Narrow flared nostrils; treat each side separately.</source>
        <translation>Geniş burun kanatlarını daraltın; her tarafı ayrı ayrı işleyin.</translation>
    </message>
    <message>
        <source>Narrow the bridge with short inward strokes from both sides; reduce a dorsal bump in profile.</source>
        <translation>Burun sırtını iki yandan kısa, içe doğru darbelerle daraltın; profilde burun kemerini küçültün.</translation>
    </message>
    <message>
        <source>Neck</source>
        <translation>Boyun</translation>
    </message>
    <message>
        <source>Neither setting enlarges an Original or Simulation image. A Comparison image combines two image panes, so its total width or height can be up to twice the corresponding current image dimension.</source>
        <translation>Bu ayarların hiçbiri Orijinal veya Simülasyon görüntüsünü büyütmez. Karşılaştırma görüntüsü iki görüntü bölmesini birleştirir; bu nedenle toplam genişliği veya yüksekliği, mevcut görüntünün ilgili boyutunun iki katına kadar çıkabilir.</translation>
    </message>
    <message>
        <source>Next Editor Tab</source>
        <translation>Sonraki düzenleyici sekmesi</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>No Original or Simulation label is configured in Settings.</source>
        <translation>Ayarlar&apos;da Orijinal veya Simülasyon etiketi tanımlanmamış.</translation>
    </message>
    <message>
        <source>No application could open the image.</source>
        <translation>Hiçbir uygulama görüntüyü açamadı.</translation>
    </message>
    <message>
        <source>No contact information is configured in Settings.</source>
        <translation>Ayarlar&apos;da iletişim bilgisi tanımlanmamış.</translation>
    </message>
    <message>
        <source>No e-mail program could attach the image.</source>
        <translation>Hiçbir e-posta programı görüntüyü ekleyemedi.</translation>
    </message>
    <message>
        <source>No edits have been made, so there are no changes to save.</source>
        <translation>Herhangi bir düzenleme yapılmadığı için kaydedilecek değişiklik yok.</translation>
    </message>
    <message>
        <source>No edits have been made, so there is no animation to save.</source>
        <translation>Herhangi bir düzenleme yapılmadığı için kaydedilecek animasyon yok.</translation>
    </message>
    <message>
        <source>No edits have been made, so there is nothing to animate.</source>
        <translation>Herhangi bir düzenleme yapılmadığı için canlandırılacak bir şey yok.</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Klasör seçilmedi</translation>
    </message>
    <message>
        <source>No shortcut available</source>
        <translation>Kısayol yok</translation>
    </message>
    <message>
        <source>No web browser could open the documentation.</source>
        <translation>Belgeleri hiçbir web tarayıcısı açamadı.</translation>
    </message>
    <message>
        <source>No web browser could open the support page.</source>
        <translation>Destek sayfasını hiçbir web tarayıcısı açamadı.</translation>
    </message>
    <message>
        <source>Non-destructive source crop</source>
        <translation>Kaynağı değiştirmeyen kırpma</translation>
    </message>
    <message>
        <source>Nose</source>
        <translation>Burun</translation>
    </message>
    <message>
        <source>Nostrils</source>
        <translation>Burun kanatları</translation>
    </message>
    <message>
        <source>Not configured in Settings</source>
        <translation>Ayarlar&apos;da tanımlanmamış</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Seçili değil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>One JPEG, handed to your installed sharing apps.</source>
        <translation>Yüklü paylaşım uygulamalarınıza iletilen tek bir JPEG.</translation>
    </message>
    <message>
        <source>Only the Original label is set; Simulation will have no label.</source>
        <translation>Yalnızca Orijinal etiketi ayarlı; Simülasyonun etiketi olmayacak.</translation>
    </message>
    <message>
        <source>Only the Simulation label is set; Original will have no label.</source>
        <translation>Yalnızca Simülasyon etiketi ayarlı; Orijinalin etiketi olmayacak.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Open Anyway</source>
        <translation>Yine de aç</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Görüntü aç</translation>
    </message>
    <message>
        <source>Open Image…</source>
        <translation>Görüntü aç…</translation>
    </message>
    <message>
        <source>Open Save images</source>
        <translation>Görüntüleri kaydet penceresini aç</translation>
    </message>
    <message>
        <source>Open With…</source>
        <translation>Birlikte aç…</translation>
    </message>
    <message>
        <source>Open another image</source>
        <translation>Başka bir görüntü aç</translation>
    </message>
    <message>
        <source>Open another image without saving image changes</source>
        <translation>Görüntü değişikliklerini kaydetmeden başka bir görüntü aç</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>İçeren klasörü aç</translation>
    </message>
    <message>
        <source>Open the file browser</source>
        <translation>Dosya tarayıcısını aç</translation>
    </message>
    <message>
        <source>Open the selected crop in the editor</source>
        <translation>Seçili kırpmayı düzenleyicide aç</translation>
    </message>
    <message>
        <source>Open the system print workflow</source>
        <translation>Sistemin yazdırma akışını aç</translation>
    </message>
    <message>
        <source>Open the system share menu</source>
        <translation>Sistem paylaşım menüsünü aç</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Orijinal</translation>
    </message>
    <message>
        <source>Original + Simulation side by side.</source>
        <translation>Orijinal + Simülasyon yan yana.</translation>
    </message>
    <message>
        <source>Original / Simulation labels</source>
        <translation>Orijinal / Simülasyon etiketleri</translation>
    </message>
    <message>
        <source>Original and Simulation maximum dimension (px)</source>
        <translation>Orijinal ve Simülasyon en büyük boyutu (px)</translation>
    </message>
    <message>
        <source>Original image</source>
        <translation>Orijinal görüntü</translation>
    </message>
    <message>
        <source>Original image label</source>
        <translation>Orijinal görüntü etiketi</translation>
    </message>
    <message>
        <source>Original label</source>
        <translation>Orijinal etiketi</translation>
    </message>
    <message>
        <source>Original, unmodified image (switch tabs: Left/Right Arrow keys)</source>
        <translation>Orijinal, değiştirilmemiş görüntü (sekme değiştirme: Sol/Sağ ok tuşları)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Çıktı</translation>
    </message>
    <message>
        <source>PAN IMAGE</source>
        <translation>GÖRÜNTÜ KAYDIRMA</translation>
    </message>
    <message>
        <source>PNG image (.png)</source>
        <translation>PNG görüntüsü (.png)</translation>
    </message>
    <message>
        <source>PNG is the default lossless format, but it produces larger files.</source>
        <translation>PNG varsayılan kayıpsız biçimdir ancak daha büyük dosyalar oluşturur.</translation>
    </message>
    <message>
        <source>PROPERTIES</source>
        <translation>ÖZELLİKLER</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performans</translation>
    </message>
    <message>
        <source>Performance settings</source>
        <translation>Performans ayarları</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Telefon numarası</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Resimler</translation>
    </message>
    <message>
        <source>Place a filled circle or ellipse annotation</source>
        <translation>Dolu daire veya elips ek açıklaması yerleştir</translation>
    </message>
    <message>
        <source>Place a filled circle or ellipse on the Simulation.
Double-click an existing circle to select it, then drag to move it.</source>
        <translation>Simülasyon üzerine dolu bir daire veya elips yerleştirin.
Mevcut bir daireyi seçmek için çift tıklayın, ardından taşımak için sürükleyin.</translation>
    </message>
    <message>
        <source>Place a filled rectangular annotation</source>
        <translation>Dolu dikdörtgen ek açıklaması yerleştir</translation>
    </message>
    <message>
        <source>Place a filled rectangular annotation on the Simulation. It can be used to conceal the eyes or help anonymize a patient.
Double-click an existing rectangle to select it, then drag to move it.</source>
        <translation>Simülasyon üzerine dolu bir dikdörtgen ek açıklaması yerleştirin. Gözleri gizlemek veya bir hastayı anonimleştirmek için kullanılabilir.
Mevcut bir dikdörtgeni seçmek için çift tıklayın, ardından taşımak için sürükleyin.</translation>
    </message>
    <message>
        <source>Please choose exactly one image at a time.</source>
        <translation>Lütfen aynı anda yalnızca bir görüntü seçin.</translation>
    </message>
    <message>
        <source>Please drop one image file.</source>
        <translation>Lütfen tek bir görüntü dosyası bırakın.</translation>
    </message>
    <message>
        <source>Portrait 2:3</source>
        <translation>Portre 2:3</translation>
    </message>
    <message>
        <source>Portrait and square images are arranged side by side. This value limits the total width; Original is left and Simulation is right.</source>
        <translation>Dikey ve kare görüntüler yan yana dizilir. Bu değer toplam genişliği sınırlar; Orijinal solda, Simülasyon sağda yer alır.</translation>
    </message>
    <message>
        <source>Português (Brasil)</source>
        <translation>Português (Brasil)</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Hazırlanıyor</translation>
    </message>
    <message>
        <source>Preparing editing canvas…</source>
        <translation>Düzenleme tuvali hazırlanıyor…</translation>
    </message>
    <message>
        <source>Preparing image for the desktop&apos;s sharing apps</source>
        <translation>Görüntü masaüstünün paylaşım uygulamaları için hazırlanıyor</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Önizleme:</translation>
    </message>
    <message>
        <source>Previous Editor Tab</source>
        <translation>Önceki düzenleyici sekmesi</translation>
    </message>
    <message>
        <source>Print preview could not be prepared. The complete image could not be rendered.</source>
        <translation>Baskı önizlemesi hazırlanamadı. Görüntünün tamamı oluşturulamadı.</translation>
    </message>
    <message>
        <source>Printing could not start. The complete image could not be prepared.</source>
        <translation>Yazdırma başlatılamadı. Görüntünün tamamı hazırlanamadı.</translation>
    </message>
    <message>
        <source>Printing failed</source>
        <translation>Yazdırma başarısız oldu</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Yazdır…</translation>
    </message>
    <message>
        <source>Privacy safe: </source>
        <translation>Gizlilik güvende: </translation>
    </message>
    <message>
        <source>Progressively return a changed area toward the Original (R)</source>
        <translation>Değişmiş bir alanı kademeli olarak Orijinale döndür (R)</translation>
    </message>
    <message>
        <source>Pull the submental area inward to reduce a double chin.</source>
        <translation>Çift çeneyi azaltmak için çene altı bölgesini içeri çekin.</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>İtme</translation>
    </message>
    <message>
        <source>Push both flanks inward evenly for a liposuction or tummy-tuck effect.</source>
        <translation>Liposuction veya karın germe etkisi için iki yanı eşit şekilde içeri itin.</translation>
    </message>
    <message>
        <source>Push cheek volume upward and outward for a filler-like lift.</source>
        <translation>Dolgu benzeri bir kaldırma için yanak hacmini yukarı ve dışa doğru itin.</translation>
    </message>
    <message>
        <source>Push reshape tool</source>
        <translation>İtme şekillendirme aracı</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
    <message>
        <source>Quit Veltrano</source>
        <translation>Veltrano&apos;dan çık</translation>
    </message>
    <message>
        <source>Recent locations</source>
        <translation>Son konumlar</translation>
    </message>
    <message>
        <source>Reconstruct</source>
        <translation>Yeniden Oluştur</translation>
    </message>
    <message>
        <source>Reconstruct reshape tool</source>
        <translation>Yeniden Oluştur şekillendirme aracı</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Dikdörtgen</translation>
    </message>
    <message>
        <source>Rectangle annotation tool</source>
        <translation>Dikdörtgen ek açıklama aracı</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>Redo the last undone action (Ctrl+Shift+Z)</source>
        <translation>Son geri alınan işlemi yinele (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Redo the latest undone action</source>
        <translation>Son geri alınan işlemi yinele</translation>
    </message>
    <message>
        <source>Reduce breast volume for a reduction simulation; compare both sides.</source>
        <translation>Küçültme simülasyonu için göğüs hacmini azaltın; iki tarafı karşılaştırın.</translation>
    </message>
    <message>
        <source>Reduce the apparent size of prominent ears with small, gradual passes.</source>
        <translation>Kepçe kulakların görünür boyutunu küçük, kademeli geçişlerle azaltın.</translation>
    </message>
    <message>
        <source>Reduce the nasal tip with a small brush.</source>
        <translation>Burun ucunu küçük bir fırçayla küçültün.</translation>
    </message>
    <message>
        <source>Remove complete annotation objects touched by the eraser. The photograph and deformation are not affected.</source>
        <translation>Silginin dokunduğu ek açıklama nesnelerini tamamen kaldırır. Fotoğraf ve deformasyon etkilenmez.</translation>
    </message>
    <message>
        <source>Reopen image picker</source>
        <translation>Görüntü seçiciyi yeniden aç</translation>
    </message>
    <message>
        <source>Reset all</source>
        <translation>Tümünü sıfırla</translation>
    </message>
    <message>
        <source>Reset all deformation and annotations</source>
        <translation>Tüm deformasyonu ve ek açıklamaları sıfırla</translation>
    </message>
    <message>
        <source>Reset orientation</source>
        <translation>Yönü sıfırla</translation>
    </message>
    <message>
        <source>Reset to full image</source>
        <translation>Tam görüntüye sıfırla</translation>
    </message>
    <message>
        <source>Reshape</source>
        <translation>Şekillendirme</translation>
    </message>
    <message>
        <source>Reshape hip width outward or inward; keep strokes symmetrical.</source>
        <translation>Basen genişliğini dışa veya içe doğru yeniden şekillendirin; darbeleri simetrik tutun.</translation>
    </message>
    <message>
        <source>Reshape mode</source>
        <translation>Şekillendirme modu</translation>
    </message>
    <message>
        <source>Reshape tools</source>
        <translation>Şekillendirme araçları</translation>
    </message>
    <message>
        <source>Reshaping previews for patient consultations</source>
        <translation>Hasta görüşmeleri için şekillendirme önizlemeleri</translation>
    </message>
    <message>
        <source>Restart Anyway</source>
        <translation>Yine de yeniden başlat</translation>
    </message>
    <message>
        <source>Restart Veltrano now</source>
        <translation>Veltrano&apos;yu şimdi yeniden başlat</translation>
    </message>
    <message>
        <source>Restart Veltrano without saving image changes</source>
        <translation>Görüntü değişikliklerini kaydetmeden Veltrano&apos;yu yeniden başlat</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Şimdi yeniden başlat</translation>
    </message>
    <message>
        <source>Restart the app to apply this change.</source>
        <translation>Bu değişikliği uygulamak için uygulamayı yeniden başlatın.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Yeniden dene</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Sağ Ok</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Sola döndür</translation>
    </message>
    <message>
        <source>Rotate or flip the source image</source>
        <translation>Kaynak görüntüyü döndür veya çevir</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Sağa döndür</translation>
    </message>
    <message>
        <source>Rotate the crop left</source>
        <translation>Kırpmayı sola döndür</translation>
    </message>
    <message>
        <source>Rotate the crop right</source>
        <translation>Kırpmayı sağa döndür</translation>
    </message>
    <message>
        <source>SELECTED TEXT</source>
        <translation>SEÇİLİ METİN</translation>
    </message>
    <message>
        <source>SELECTION ASPECT RATIO</source>
        <translation>SEÇİM EN BOY ORANI</translation>
    </message>
    <message>
        <source>SELECTION SIZE</source>
        <translation>SEÇİM BOYUTU</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Görüntüyü kaydet</translation>
    </message>
    <message>
        <source>Save before restarting?</source>
        <translation>Yeniden başlatmadan önce kaydedilsin mi?</translation>
    </message>
    <message>
        <source>Save image before closing</source>
        <translation>Kapatmadan önce görüntüyü kaydet</translation>
    </message>
    <message>
        <source>Save image before opening another image</source>
        <translation>Başka bir görüntü açmadan önce görüntüyü kaydet</translation>
    </message>
    <message>
        <source>Save images</source>
        <translation>Görüntüleri kaydet</translation>
    </message>
    <message>
        <source>Save images…</source>
        <translation>Görüntüleri kaydet…</translation>
    </message>
    <message>
        <source>Save the complete Original, Simulation, or Comparison image</source>
        <translation>Orijinal, Simülasyon veya Karşılaştırma görüntüsünün tamamını kaydet</translation>
    </message>
    <message>
        <source>Save to the Veltrano folder inside the system&apos;s Pictures folder.</source>
        <translation>Sistemin Resimler klasöründeki Veltrano klasörüne kaydeder.</translation>
    </message>
    <message>
        <source>Save video</source>
        <translation>Videoyu kaydet</translation>
    </message>
    <message>
        <source>Save video…</source>
        <translation>Videoyu kaydet…</translation>
    </message>
    <message>
        <source>Saved image size</source>
        <translation>Kaydedilen görüntü boyutu</translation>
    </message>
    <message>
        <source>Saved to</source>
        <translation>Kaydedildiği konum</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Sola kaydır</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Sağa kaydır</translation>
    </message>
    <message>
        <source>Select / Move</source>
        <translation>Seç / Taşı</translation>
    </message>
    <message>
        <source>Select Draw</source>
        <translation>Çizim&apos;i seç</translation>
    </message>
    <message>
        <source>Select Eraser</source>
        <translation>Silgi&apos;yi seç</translation>
    </message>
    <message>
        <source>Select Grow</source>
        <translation>Büyüt&apos;ü seç</translation>
    </message>
    <message>
        <source>Select Push</source>
        <translation>İtme&apos;yi seç</translation>
    </message>
    <message>
        <source>Select Reconstruct</source>
        <translation>Yeniden Oluştur&apos;u seç</translation>
    </message>
    <message>
        <source>Select Shrink</source>
        <translation>Küçült&apos;ü seç</translation>
    </message>
    <message>
        <source>Select Text</source>
        <translation>Metin&apos;i seç</translation>
    </message>
    <message>
        <source>Select folder</source>
        <translation>Klasör seç</translation>
    </message>
    <message>
        <source>Select or move annotation tool</source>
        <translation>Ek açıklama seçme veya taşıma aracı</translation>
    </message>
    <message>
        <source>Select or move annotations</source>
        <translation>Ek açıklamaları seç veya taşı</translation>
    </message>
    <message>
        <source>Select the area you want to edit. The darker area remains visible for context but will be excluded from the editor.</source>
        <translation>Düzenlemek istediğiniz alanı seçin. Koyu alan bağlam için görünür kalır ancak düzenleyiciye alınmaz.</translation>
    </message>
    <message>
        <source>Select the next editor tab</source>
        <translation>Sonraki düzenleyici sekmesini seç</translation>
    </message>
    <message>
        <source>Select the previous editor tab</source>
        <translation>Önceki düzenleyici sekmesini seç</translation>
    </message>
    <message>
        <source>Select the topmost annotation under the pointer, then drag it to reposition it on the Simulation.
You can also double-click any annotation to select it without first choosing this tool.</source>
        <translation>İşaretçinin altındaki en üstteki ek açıklamayı seçin, ardından Simülasyonda yeniden konumlandırmak için sürükleyin.
Bu aracı seçmeden de herhangi bir ek açıklamayı çift tıklayarak seçebilirsiniz.</translation>
    </message>
    <message>
        <source>Select the topmost drawing object and drag it to move (V)</source>
        <translation>En üstteki çizim nesnesini seç ve taşımak için sürükle (V)</translation>
    </message>
    <message>
        <source>Select this crop aspect ratio</source>
        <translation>Bu kırpma en boy oranını seç</translation>
    </message>
    <message>
        <source>Select which image view you want to save.</source>
        <translation>Hangi görüntü görünümünü kaydetmek istediğinizi seçin.</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Seçili</translation>
    </message>
    <message>
        <source>Selected folder</source>
        <translation>Seçili klasör</translation>
    </message>
    <message>
        <source>Selected folder information</source>
        <translation>Seçili klasör bilgileri</translation>
    </message>
    <message>
        <source>Selection %1 by %2 source pixels</source>
        <translation>Seçim: %1 × %2 kaynak piksel</translation>
    </message>
    <message>
        <source>Selection size</source>
        <translation>Seçim boyutu</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Gönder</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Geri bildirim gönder</translation>
    </message>
    <message>
        <source>Send by Email…</source>
        <translation>E-postayla gönder…</translation>
    </message>
    <message>
        <source>Send report</source>
        <translation>Rapor gönder</translation>
    </message>
    <message>
        <source>Sending feedback</source>
        <translation>Geri bildirim gönderiliyor</translation>
    </message>
    <message>
        <source>Sending feedback…</source>
        <translation>Geri bildirim gönderiliyor…</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Gönderiliyor…</translation>
    </message>
    <message>
        <source>Set the maximum working canvas size. Smaller images are unaffected. Larger images are scaled down to the maximum size set here.</source>
        <translation>Çalışma tuvalinin en büyük boyutunu ayarlayın. Daha küçük görüntüler etkilenmez. Daha büyük görüntüler burada ayarlanan en büyük boyuta küçültülür.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ayarlar…</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Paylaş</translation>
    </message>
    <message>
        <source>Share image</source>
        <translation>Görüntüyü paylaş</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>Paylaş…</translation>
    </message>
    <message>
        <source>Sharing could not start. %1</source>
        <translation>Paylaşım başlatılamadı. %1</translation>
    </message>
    <message>
        <source>Sharing unavailable</source>
        <translation>Paylaşım kullanılamıyor</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Kısayol: %1</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Kısayollar</translation>
    </message>
    <message>
        <source>Show image labels in Comparison</source>
        <translation>Karşılaştırmada görüntü etiketlerini göster</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>Dosya yöneticisinde göster</translation>
    </message>
    <message>
        <source>Show inspector</source>
        <translation>Denetçiyi göster</translation>
    </message>
    <message>
        <source>Show one source image pixel per layout pixel</source>
        <translation>Her ekran pikseli için bir kaynak görüntü pikseli göster</translation>
    </message>
    <message>
        <source>Show or hide Comparison labels</source>
        <translation>Karşılaştırma etiketlerini göster veya gizle</translation>
    </message>
    <message>
        <source>Shrink</source>
        <translation>Küçült</translation>
    </message>
    <message>
        <source>Shrink reshape tool</source>
        <translation>Küçült şekillendirme aracı</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simülasyon</translation>
    </message>
    <message>
        <source>Simulation image</source>
        <translation>Simülasyon görüntüsü</translation>
    </message>
    <message>
        <source>Simulation image label</source>
        <translation>Simülasyon görüntüsü etiketi</translation>
    </message>
    <message>
        <source>Simulation label</source>
        <translation>Simülasyon etiketi</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Slightly enlarge the eye opening; use a small brush and apply the effect gradually.</source>
        <translation>Göz açıklığını hafifçe büyütün; küçük bir fırça kullanın ve etkiyi kademeli uygulayın.</translation>
    </message>
    <message>
        <source>Slim full cheeks to simulate a buccal fat reduction.</source>
        <translation>Bichat yağ azaltımını simüle etmek için dolgun yanakları inceltin.</translation>
    </message>
    <message>
        <source>Slim the inner and outer thigh line with opposing strokes.</source>
        <translation>Uyluğun iç ve dış hattını karşılıklı darbelerle inceltin.</translation>
    </message>
    <message>
        <source>Social 4:5</source>
        <translation>Sosyal 4:5</translation>
    </message>
    <message>
        <source>Source photo, unedited.</source>
        <translation>Düzenlenmemiş kaynak fotoğraf.</translation>
    </message>
    <message>
        <source>Square 1:1</source>
        <translation>Kare 1:1</translation>
    </message>
    <message>
        <source>Stored locally on this device.</source>
        <translation>Bu cihazda yerel olarak saklanır.</translation>
    </message>
    <message>
        <source>Stored locally. Never included unless you select it for that output.</source>
        <translation>Yerel olarak saklanır. İlgili çıktı için seçmediğiniz sürece asla eklenmez.</translation>
    </message>
    <message>
        <source>Stroke size</source>
        <translation>Çizgi kalınlığı</translation>
    </message>
    <message>
        <source>Subfolder name (optional)</source>
        <translation>Alt klasör adı (isteğe bağlı)</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Destek</translation>
    </message>
    <message>
        <source>Supported images: JPEG · PNG · BMP · TIFF · HEIC/HEIF</source>
        <translation>Desteklenen görüntüler: JPEG · PNG · BMP · TIFF · HEIC/HEIF</translation>
    </message>
    <message>
        <source>Synchronized zoom (Ctrl + mouse wheel)</source>
        <translation>Eşzamanlı yakınlaştırma (Ctrl + fare tekerleği)</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>Text annotation tool</source>
        <translation>Metin ek açıklama aracı</translation>
    </message>
    <message>
        <source>Thank you. Report ID:
</source>
        <translation>Teşekkürler. Rapor kimliği:
</translation>
    </message>
    <message>
        <source>Thank you. Your feedback was received.</source>
        <translation>Teşekkürler. Geri bildiriminiz alındı.</translation>
    </message>
    <message>
        <source>The Pictures folder cannot be accessed.</source>
        <translation>Resimler klasörüne erişilemiyor.</translation>
    </message>
    <message>
        <source>The animation video could not be placed at the selected location.</source>
        <translation>Animasyon videosu seçilen konuma yerleştirilemedi.</translation>
    </message>
    <message>
        <source>The animation video was saved successfully.</source>
        <translation>Animasyon videosu başarıyla kaydedildi.</translation>
    </message>
    <message>
        <source>The base filename cannot be “.” or “..”.</source>
        <translation>Temel dosya adı “.” veya “..” olamaz.</translation>
    </message>
    <message>
        <source>The base filename cannot contain line breaks, tabs or other control characters.</source>
        <translation>Temel dosya adı satır sonu, sekme veya başka denetim karakterleri içeremez.</translation>
    </message>
    <message>
        <source>The base filename is too long for the file system.</source>
        <translation>Temel dosya adı dosya sistemi için çok uzun.</translation>
    </message>
    <message>
        <source>The base filename must be 180 characters or fewer.</source>
        <translation>Temel dosya adı en fazla 180 karakter olmalıdır.</translation>
    </message>
    <message>
        <source>The changes are not saved. Restarting now will discard them.</source>
        <translation>Değişiklikler kaydedilmedi. Şimdi yeniden başlatmak bu değişiklikleri silecek.</translation>
    </message>
    <message>
        <source>The complete animation could not be prepared.</source>
        <translation>Animasyonun tamamı hazırlanamadı.</translation>
    </message>
    <message>
        <source>The complete image could not be prepared.</source>
        <translation>Görüntünün tamamı hazırlanamadı.</translation>
    </message>
    <message>
        <source>The crash report could not be sent. Check the internet connection and try again.</source>
        <translation>Çökme raporu gönderilemedi. İnternet bağlantısını kontrol edip yeniden deneyin.</translation>
    </message>
    <message>
        <source>The data couldn’t be read because it isn’t in the correct format.</source>
        <translation>Veriler doğru biçimde olmadığı için okunamadı.</translation>
    </message>
    <message>
        <source>The disk may be full or the location unavailable.</source>
        <translation>Disk dolu veya konum kullanılamıyor olabilir.</translation>
    </message>
    <message>
        <source>The editing canvas cannot be used.</source>
        <translation>Düzenleme tuvali kullanılamıyor.</translation>
    </message>
    <message>
        <source>The editing canvas could not be prepared.</source>
        <translation>Düzenleme tuvali hazırlanamadı.</translation>
    </message>
    <message>
        <source>The feedback could not be safely retried. Close this dialog and try again.</source>
        <translation>Geri bildirim güvenli bir şekilde yeniden gönderilemedi. Bu pencereyi kapatıp yeniden deneyin.</translation>
    </message>
    <message>
        <source>The feedback could not be sent because one or more fields are invalid.</source>
        <translation>Bir veya daha fazla alan geçersiz olduğu için geri bildirim gönderilemedi.</translation>
    </message>
    <message>
        <source>The feedback could not be sent. Check the internet connection and try again.</source>
        <translation>Geri bildirim gönderilemedi. İnternet bağlantısını kontrol edip yeniden deneyin.</translation>
    </message>
    <message>
        <source>The feedback service returned an invalid response.</source>
        <translation>Geri bildirim hizmeti geçersiz bir yanıt döndürdü.</translation>
    </message>
    <message>
        <source>The file could not be written. The disk may be full.</source>
        <translation>Dosya yazılamadı. Disk dolu olabilir.</translation>
    </message>
    <message>
        <source>The file manager could not open the containing folder.</source>
        <translation>Dosya yöneticisi içeren klasörü açamadı.</translation>
    </message>
    <message>
        <source>The file manager could not show the image.</source>
        <translation>Dosya yöneticisi görüntüyü gösteremedi.</translation>
    </message>
    <message>
        <source>The image could not be copied to the clipboard.</source>
        <translation>Görüntü panoya kopyalanamadı.</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>Görüntü kodlanamadı.</translation>
    </message>
    <message>
        <source>The image could not be saved. %1</source>
        <translation>Görüntü kaydedilemedi. %1</translation>
    </message>
    <message>
        <source>The image could not be shared. %1</source>
        <translation>Görüntü paylaşılamadı. %1</translation>
    </message>
    <message>
        <source>The image was saved successfully.</source>
        <translation>Görüntü başarıyla kaydedildi.</translation>
    </message>
    <message>
        <source>The images were saved successfully.</source>
        <translation>Görüntüler başarıyla kaydedildi.</translation>
    </message>
    <message>
        <source>The original image file was not changed. Close and reopen Veltrano before editing this image again. Changes made in the current editor session have not been saved.

If the problem persists, contact support at %1.</source>
        <translation>Orijinal görüntü dosyası değiştirilmedi. Bu görüntüyü yeniden düzenlemeden önce Veltrano&apos;yu kapatıp yeniden açın. Geçerli düzenleyici oturumunda yapılan değişiklikler kaydedilmedi.

Sorun devam ederse destek ekibiyle iletişime geçin: %1.</translation>
    </message>
    <message>
        <source>The print job failed.</source>
        <translation>Yazdırma işi başarısız oldu.</translation>
    </message>
    <message>
        <source>The replacement image could not be loaded.</source>
        <translation>Yeni görüntü yüklenemedi.</translation>
    </message>
    <message>
        <source>The requested action could not be completed.</source>
        <translation>İstenen işlem tamamlanamadı.</translation>
    </message>
    <message>
        <source>The saved animation video could not be validated.</source>
        <translation>Kaydedilen animasyon videosu doğrulanamadı.</translation>
    </message>
    <message>
        <source>The saved image could not be validated.</source>
        <translation>Kaydedilen görüntü doğrulanamadı.</translation>
    </message>
    <message>
        <source>The settings file was written by another version of Veltrano.</source>
        <translation>Ayarlar dosyası Veltrano&apos;nun başka bir sürümü tarafından yazılmış.</translation>
    </message>
    <message>
        <source>The source image changed after it was opened. Please open it again before editing.</source>
        <translation>Kaynak görüntü açıldıktan sonra değişti. Lütfen düzenlemeden önce yeniden açın.</translation>
    </message>
    <message>
        <source>The subfolder name cannot be “.” or “..”.</source>
        <translation>Alt klasör adı “.” veya “..” olamaz.</translation>
    </message>
    <message>
        <source>The subfolder name cannot contain line breaks, tabs or other control characters.</source>
        <translation>Alt klasör adı satır sonu, sekme veya başka denetim karakterleri içeremez.</translation>
    </message>
    <message>
        <source>The subfolder name is too long for the file system.</source>
        <translation>Alt klasör adı dosya sistemi için çok uzun.</translation>
    </message>
    <message>
        <source>The subfolder name must be 255 characters or fewer.</source>
        <translation>Alt klasör adı en fazla 255 karakter olmalıdır.</translation>
    </message>
    <message>
        <source>The system could not create or read the temporary sharing image.</source>
        <translation>Sistem geçici paylaşım görüntüsünü oluşturamadı veya okuyamadı.</translation>
    </message>
    <message>
        <source>The system could not open the Share menu for this application.</source>
        <translation>Sistem bu uygulama için Paylaş menüsünü açamadı.</translation>
    </message>
    <message>
        <source>The system could not write or finalize the video. The disk may be full, the location unavailable, or the file in use.</source>
        <translation>Sistem videoyu yazamadı veya sonlandıramadı. Disk dolu, konum kullanılamıyor ya da dosya kullanımda olabilir.</translation>
    </message>
    <message>
        <source>The system may have started replacing the destination. Check the file before retrying.</source>
        <translation>Sistem hedef dosyayı değiştirmeye başlamış olabilir. Yeniden denemeden önce dosyayı kontrol edin.</translation>
    </message>
    <message>
        <source>The tab-view suffix will be appended to the base filename.</source>
        <translation>Sekme görünümü son eki temel dosya adının sonuna eklenir.</translation>
    </message>
    <message>
        <source>The temporary shared image is locked and will be removed later.</source>
        <translation>Geçici paylaşılan görüntü kilitli; daha sonra kaldırılacak.</translation>
    </message>
    <message>
        <source>The temporary sharing image could not be prepared.</source>
        <translation>Geçici paylaşım görüntüsü hazırlanamadı.</translation>
    </message>
    <message>
        <source>The temporary sharing image could not be validated.</source>
        <translation>Geçici paylaşım görüntüsü doğrulanamadı.</translation>
    </message>
    <message>
        <source>These optional settings allow you to control the pixel dimensions of your saved images.</source>
        <translation>Bu isteğe bağlı ayarlar, kaydedilen görüntülerin piksel boyutlarını denetlemenizi sağlar.</translation>
    </message>
    <message>
        <source>These settings could not be saved. They remain active for this session.</source>
        <translation>Bu ayarlar kaydedilemedi. Bu oturum boyunca etkin kalacaklar.</translation>
    </message>
    <message>
        <source>These watermark labels appear in the top corners of the editor&apos;s Comparison tab. You can also include them in saved, shared, and printed Comparison images.</source>
        <translation>Bu filigran etiketleri, düzenleyicinin Karşılaştırma sekmesinin üst köşelerinde görünür. Bunları kaydedilen, paylaşılan ve yazdırılan Karşılaştırma görüntülerine de ekleyebilirsiniz.</translation>
    </message>
    <message>
        <source>Thighs</source>
        <translation>Uyluklar</translation>
    </message>
    <message>
        <source>This computer could not start the H.264 video encoder.</source>
        <translation>Bu bilgisayar H.264 video kodlayıcısını başlatamadı.</translation>
    </message>
    <message>
        <source>This crop is not valid. Please adjust it before going to the editor.</source>
        <translation>Bu kırpma geçerli değil. Lütfen düzenleyiciye geçmeden önce ayarlayın.</translation>
    </message>
    <message>
        <source>This folder cannot be accessed. Choose another save location.</source>
        <translation>Bu klasöre erişilemiyor. Başka bir kayıt konumu seçin.</translation>
    </message>
    <message>
        <source>This folder is created inside the selected location. Leave blank to save directly there.</source>
        <translation>Bu klasör seçilen konumun içinde oluşturulur. Doğrudan oraya kaydetmek için boş bırakın.</translation>
    </message>
    <message>
        <source>This folder no longer exists or cannot be accessed. Choose another save location.</source>
        <translation>Bu klasör artık yok veya erişilemiyor. Başka bir kayıt konumu seçin.</translation>
    </message>
    <message>
        <source>This folder no longer exists. Choose another save location.</source>
        <translation>Bu klasör artık yok. Başka bir kayıt konumu seçin.</translation>
    </message>
    <message>
        <source>This image could not be opened.</source>
        <translation>Bu görüntü açılamadı.</translation>
    </message>
    <message>
        <source>This image could not be opened. Please choose another local image.</source>
        <translation>Bu görüntü açılamadı. Lütfen başka bir yerel görüntü seçin.</translation>
    </message>
    <message>
        <source>This image could not be prepared for editing. Please adjust the crop or open it again.</source>
        <translation>Bu görüntü düzenlemeye hazırlanamadı. Lütfen kırpmayı ayarlayın veya görüntüyü yeniden açın.</translation>
    </message>
    <message>
        <source>This image could not be read. It may be damaged, or incompatible</source>
        <translation>Bu görüntü okunamadı. Hasarlı veya uyumsuz olabilir</translation>
    </message>
    <message>
        <source>This image is too large to open safely.</source>
        <translation>Bu görüntü güvenli bir şekilde açılamayacak kadar büyük.</translation>
    </message>
    <message>
        <source>This path is display-only. Use Pictures, Recent locations, or Browse to select or create another folder. To save inside a subfolder, enter its name in Subfolder name field (optional).</source>
        <translation>Bu yol yalnızca bilgi amaçlı gösterilir. Başka bir klasör seçmek veya oluşturmak için Resimler, Son konumlar ya da Gözat seçeneğini kullanın. Bir alt klasöre kaydetmek için adını Alt klasör adı alanına girin (isteğe bağlı).</translation>
    </message>
    <message>
        <source>This recent folder no longer exists or is disconnected.</source>
        <translation>Bu son kullanılan klasör artık yok veya bağlantısı kesildi.</translation>
    </message>
    <message>
        <source>To stop animation, select another tab.</source>
        <translation>Animasyonu durdurmak için başka bir sekme seçin.</translation>
    </message>
    <message>
        <source>Toggle Comparison Labels</source>
        <translation>Karşılaştırma etiketlerini göster/gizle</translation>
    </message>
    <message>
        <source>Toggle Inspector</source>
        <translation>Denetçiyi göster/gizle</translation>
    </message>
    <message>
        <source>Toggle Original/Simulation labels on the Comparison tab (Ctrl+L)</source>
        <translation>Karşılaştırma sekmesinde Orijinal/Simülasyon etiketlerini göster/gizle (Ctrl+L)</translation>
    </message>
    <message>
        <source>Toggle Toolbar</source>
        <translation>Araç çubuğunu göster/gizle</translation>
    </message>
    <message>
        <source>Too many feedback messages were submitted. Please try again later.</source>
        <translation>Çok fazla geri bildirim mesajı gönderildi. Lütfen daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Tool Suggestions</source>
        <translation>Araç önerileri</translation>
    </message>
    <message>
        <source>Tool diameter</source>
        <translation>Araç çapı</translation>
    </message>
    <message>
        <source>Türkçe</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Unable to open editor</source>
        <translation>Düzenleyici açılamıyor</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>Undo the last action (Ctrl+Z)</source>
        <translation>Son işlemi geri al (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Undo the latest action</source>
        <translation>Son işlemi geri al</translation>
    </message>
    <message>
        <source>Unsaved image changes</source>
        <translation>Kaydedilmemiş görüntü değişiklikleri</translation>
    </message>
    <message>
        <source>Use Brazilian Portuguese</source>
        <translation>Brezilya Portekizcesi kullan</translation>
    </message>
    <message>
        <source>Use English</source>
        <translation>İngilizce kullan</translation>
    </message>
    <message>
        <source>Use French</source>
        <translation>Fransızca kullan</translation>
    </message>
    <message>
        <source>Use Italian</source>
        <translation>İtalyanca kullan</translation>
    </message>
    <message>
        <source>Use Japanese</source>
        <translation>Japonca kullan</translation>
    </message>
    <message>
        <source>Use Korean</source>
        <translation>Korece kullan</translation>
    </message>
    <message>
        <source>Use Simplified Chinese</source>
        <translation>Basitleştirilmiş Çince kullan</translation>
    </message>
    <message>
        <source>Use Spanish</source>
        <translation>İspanyolca kullan</translation>
    </message>
    <message>
        <source>Use Turkish</source>
        <translation>Türkçe kullan</translation>
    </message>
    <message>
        <source>Use the system print workflow</source>
        <translation>Sistemin yazdırma akışını kullan</translation>
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
        <translation>Veltrano önceki oturumda bir çökme kaydetti.

Nedenin belirlenmesine yardımcı olmak için bir tanılama raporu gönderilsin mi?

Dahil olanlar:
• Uygulama, işletim sistemi ve derleme sürümleri
• Çökme sinyali, özel durum türü, iş parçacığı yığınları ve yazmaçlar
• Sembolleştirme için ikili dosya adları, yükleme adresleri ve derleme kimlikleri

Dahil olmayanlar:
• Görüntüler veya proje içeriği
• Dosya adları veya yolları
• İletişim bilgileri, kimlik bilgileri
• Özel durum nedenleri, sistem günlüğü veya sistem çökme raporları

İş parçacıkları: %1
Yükleme boyutu: %2
Sinyal: %3 (%4)</translation>
    </message>
    <message>
        <source>Veltrano content</source>
        <translation>Veltrano içeriği</translation>
    </message>
    <message>
        <source>Veltrano could not find an available filename after 999 versions.</source>
        <translation>Veltrano, 999 sürüm denedikten sonra kullanılabilir bir dosya adı bulamadı.</translation>
    </message>
    <message>
        <source>Veltrano could not prepare the selected image for sharing.</source>
        <translation>Veltrano seçilen görüntüyü paylaşım için hazırlayamadı.</translation>
    </message>
    <message>
        <source>Veltrano could not remove its temporary video file. You may delete it manually:</source>
        <translation>Veltrano geçici video dosyasını kaldıramadı. Dosyayı elle silebilirsiniz:</translation>
    </message>
    <message>
        <source>Veltrano could not remove its temporary video folder. You may delete it manually:</source>
        <translation>Veltrano geçici video klasörünü kaldıramadı. Klasörü elle silebilirsiniz:</translation>
    </message>
    <message>
        <source>Veltrano could not remove these temporary or incomplete image files. Inspect them manually:</source>
        <translation>Veltrano bu geçici veya tamamlanmamış görüntü dosyalarını kaldıramadı. Dosyaları elle kontrol edin:</translation>
    </message>
    <message>
        <source>Veltrano could not restart. Close and reopen the app.</source>
        <translation>Veltrano yeniden başlatılamadı. Uygulamayı kapatıp yeniden açın.</translation>
    </message>
    <message>
        <source>Veltrano detected a previous crash but could not prepare its diagnostic report. Any crash record kept by the system remains available.</source>
        <translation>Veltrano önceki bir çökmeyi algıladı ancak tanılama raporunu hazırlayamadı. Sistemin sakladığı çökme kayıtları kullanılabilir durumda kalır.</translation>
    </message>
    <message>
        <source>Veltrano encountered an unexpected error</source>
        <translation>Veltrano beklenmeyen bir hatayla karşılaştı</translation>
    </message>
    <message>
        <source>Veltrano image</source>
        <translation>Veltrano görüntüsü</translation>
    </message>
    <message>
        <source>Veltrano prepares one JPEG, then the desktop shows the compatible sharing apps installed for this account.</source>
        <translation>Veltrano tek bir JPEG hazırlar, ardından masaüstü bu hesap için yüklü uyumlu paylaşım uygulamalarını gösterir.</translation>
    </message>
    <message>
        <source>Vertical 9:16</source>
        <translation>Dikey 9:16</translation>
    </message>
    <message>
        <source>Video not saved</source>
        <translation>Video kaydedilmedi</translation>
    </message>
    <message>
        <source>Video save cancelled</source>
        <translation>Video kaydı iptal edildi</translation>
    </message>
    <message>
        <source>Video saved</source>
        <translation>Video kaydedildi</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Görünüm</translation>
    </message>
    <message>
        <source>View and navigation</source>
        <translation>Görünüm ve gezinme</translation>
    </message>
    <message>
        <source>WATERMARKS</source>
        <translation>FİLİGRANLAR</translation>
    </message>
    <message>
        <source>WHAT TO SHARE</source>
        <translation>PAYLAŞILACAKLAR</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>Bel</translation>
    </message>
    <message>
        <source>Watermark labels appear in saved image corners, including Comparison. Typical values: “Before / After” or “Original / Simulation.” Current values: %1 / %2.</source>
        <translation>Filigran etiketleri, Karşılaştırma dahil kaydedilen görüntülerin köşelerinde görünür. Tipik değerler: “Öncesi / Sonrası” veya “Orijinal / Simülasyon”. Mevcut değerler: %1 / %2.</translation>
    </message>
    <message>
        <source>Watermarks</source>
        <translation>Filigranlar</translation>
    </message>
    <message>
        <source>We recommend keeping the default value. If image manipulation feels slow on a less powerful computer, try reducing the maximum image size to improve responsiveness. The current image will not be resized; this setting applies to the next image you open.</source>
        <translation>Varsayılan değeri korumanızı öneririz. Daha az güçlü bir bilgisayarda görüntü işleme yavaş geliyorsa, yanıt hızını artırmak için en büyük görüntü boyutunu düşürmeyi deneyin. Mevcut görüntü yeniden boyutlandırılmaz; bu ayar açacağınız bir sonraki görüntüye uygulanır.</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Web sitesi</translation>
    </message>
    <message>
        <source>Web site address</source>
        <translation>Web sitesi adresi</translation>
    </message>
    <message>
        <source>What to save</source>
        <translation>Kaydedilecekler</translation>
    </message>
    <message>
        <source>Where / What</source>
        <translation>Nereye / Ne</translation>
    </message>
    <message>
        <source>Wide 16:9</source>
        <translation>Geniş 16:9</translation>
    </message>
    <message>
        <source>With the Text tool selected, click the Simulation image exactly where you want to add your text.
Double-click existing text to select it, then drag to move it.</source>
        <translation>Metin aracı seçiliyken, metni eklemek istediğiniz yere Simülasyon görüntüsünde tam olarak tıklayın.
Mevcut bir metni seçmek için çift tıklayın, ardından taşımak için sürükleyin.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>You are already on the Animation tab</source>
        <translation>Zaten Animasyon sekmesindesiniz</translation>
    </message>
    <message>
        <source>You are already on the Original picture tab</source>
        <translation>Zaten Orijinal görüntü sekmesindesiniz</translation>
    </message>
    <message>
        <source>You can&apos;t modify the image on the Animate tab. Select the Simulation or Comparison tab to edit it.</source>
        <translation>Animasyon sekmesinde görüntüyü değiştiremezsiniz. Düzenlemek için Simülasyon veya Karşılaştırma sekmesini seçin.</translation>
    </message>
    <message>
        <source>You can&apos;t modify the original image</source>
        <translation>Orijinal görüntüyü değiştiremezsiniz</translation>
    </message>
    <message>
        <source>Your animation video is ready.</source>
        <translation>Animasyon videonuz hazır.</translation>
    </message>
    <message>
        <source>Your crop remains available.</source>
        <translation>Kırpmanız korunuyor.</translation>
    </message>
    <message>
        <source>Your crop remains available. Adjust it or try again.</source>
        <translation>Kırpmanız korunuyor. Kırpmayı ayarlayın veya yeniden deneyin.</translation>
    </message>
    <message>
        <source>Your current editor image remains open and unchanged.</source>
        <translation>Düzenleyicideki mevcut görüntünüz açık ve değişmeden kalır.</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you close now, those changes in the editor will be discarded.</source>
        <translation>Mevcut sonucunuz görüntü olarak kaydedilmedi. Şimdi kapatırsanız düzenleyicideki bu değişiklikler silinecek.</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you open another image now, those changes in the editor will be discarded.</source>
        <translation>Mevcut sonucunuz görüntü olarak kaydedilmedi. Şimdi başka bir görüntü açarsanız düzenleyicideki bu değişiklikler silinecek.</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you restart now, those changes in the editor will be discarded.</source>
        <translation>Mevcut sonucunuz görüntü olarak kaydedilmedi. Şimdi yeniden başlatırsanız düzenleyicideki bu değişiklikler silinecek.</translation>
    </message>
    <message>
        <source>Your feedback, name, and email will be sent to Veltrano support.</source>
        <translation>Geri bildiriminiz, adınız ve e-posta adresiniz Veltrano destek ekibine gönderilecek.</translation>
    </message>
    <message>
        <source>Your image is being saved</source>
        <translation>Görüntünüz kaydediliyor</translation>
    </message>
    <message>
        <source>Your image is ready.</source>
        <translation>Görüntünüz hazır.</translation>
    </message>
    <message>
        <source>Your images are never uploaded or transmitted to us.</source>
        <translation>Görüntüleriniz hiçbir zaman bize yüklenmez veya iletilmez.</translation>
    </message>
    <message>
        <source>Your images are ready.</source>
        <translation>Görüntüleriniz hazır.</translation>
    </message>
    <message>
        <source>Your latest changes have not been saved.</source>
        <translation>Son değişiklikleriniz kaydedilmedi.</translation>
    </message>
    <message>
        <source>Your reshaped result.</source>
        <translation>Şekillendirilmiş sonucunuz.</translation>
    </message>
    <message>
        <source>Your video is being saved</source>
        <translation>Videonuz kaydediliyor</translation>
    </message>
    <message>
        <source>You’ve reached the 5-step undo limit. Use Reconstruct for earlier deformation, or Eraser to remove earlier drawing.</source>
        <translation>5 adımlık geri alma sınırına ulaştınız. Daha önceki deformasyon için Yeniden Oluştur aracını, daha önceki çizimleri kaldırmak için Silgi aracını kullanın.</translation>
    </message>
    <message>
        <source>ZOOM</source>
        <translation>YAKINLAŞTIRMA</translation>
    </message>
    <message>
        <source>ZOOM IMAGE</source>
        <translation>GÖRÜNTÜ YAKINLAŞTIRMA</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Yakınlaştır</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Uzaklaştır</translation>
    </message>
    <message>
        <source>Zoom from Fit to sixteen times Fit</source>
        <translation>Sığdır düzeyinden bunun on altı katına kadar yakınlaştırma</translation>
    </message>
    <message>
        <source>Zoom in before moving the image</source>
        <translation>Görüntüyü taşımadan önce yakınlaştırın</translation>
    </message>
    <message>
        <source>Zoom in incrementally</source>
        <translation>Kademeli yakınlaştır</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>Yakınlaştır veya uzaklaştır</translation>
    </message>
    <message>
        <source>Zoom out incrementally</source>
        <translation>Kademeli uzaklaştır</translation>
    </message>
    <message>
        <source>or</source>
        <translation>veya</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>bilinmiyor</translation>
    </message>
    <message>
        <source>– Edit ›</source>
        <translation>– Düzenle ›</translation>
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
