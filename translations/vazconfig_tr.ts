<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>vaz</name>
    <message>
        <source>Max. 254 inputs/outputs per cause-effect</source>
        <translation>Bir sebep-sonuçta en çok 254 giriş/çıkış olabilir</translation>
    </message>
    <message>
        <source>The panel holds at most 200 cause-effect rules.</source>
        <translation>Panel en çok 200 sebep-sonuç kuralı tutar.</translation>
    </message>
    <message>
        <source>A cause-effect with this name already exists.</source>
        <translation>Bu adda bir sebep-sonuç zaten var.</translation>
    </message>
    <message>
        <source>MCU Version : V1.2</source>
        <translation>MCU Sürümü : V1.2</translation>
    </message>
    <message>
        <source>MCU Version : V1.5</source>
        <translation>MCU Sürümü : V1.5</translation>
    </message>
    <message>
        <source>MCU Version : V2.0</source>
        <translation>MCU Sürümü : V2.0</translation>
    </message>
    <message>
        <source>VAZ Communication Protocol</source>
        <translation>VAZ Haberleşme Protokolü</translation>
    </message>
    <message>
        <source>Loop %1 address %2</source>
        <translation>Çevrim %1 adres %2</translation>
    </message>
    <message>
        <source>VAZ Configuration</source>
        <translation>VAZ Yapılandırma</translation>
    </message>
</context>
<context>
    <name>vaz::AddRangeDialog</name>
    <message>
        <source>Add range to Loop %1</source>
        <translation>Çevrim %1 için aralık ekle</translation>
    </message>
    <message>
        <source>Floor 2 Room {i}</source>
        <translation>Kat 2 Oda {i}</translation>
    </message>
    <message>
        <source>{n}: the address, {i}: 1, 2, 3... for the devices added</source>
        <translation>{n}: adres, {i}: eklenen cihazlar için 1, 2, 3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>From address</source>
        <translation>Başlangıç adresi</translation>
    </message>
    <message>
        <source>To address</source>
        <translation>Bitiş adresi</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Cihaz tipi</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Bölge</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Mahal</translation>
    </message>
    <message>
        <source>1 device will be added.</source>
        <translation>1 cihaz eklenecek.</translation>
    </message>
    <message>
        <source>%1 devices will be added.</source>
        <translation>%1 cihaz eklenecek.</translation>
    </message>
    <message>
        <source>Taken, skipped: %1</source>
        <translation>Dolu, atlanan: %1</translation>
    </message>
    <message>
        <source>Devices to add</source>
        <translation>Eklenecek cihazlar</translation>
    </message>
    <message>
        <source>Taken addresses</source>
        <translation>Dolu adresler</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Sorun</translation>
    </message>
</context>
<context>
    <name>vaz::App</name>
    <message>
        <source>Download from panel</source>
        <translation>panelden alma</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Adsız</translation>
    </message>
    <message>
        <source>Duplicate cause-effect</source>
        <translation>Sebep-sonucu çoğalt</translation>
    </message>
    <message>
        <source>Name of the copy of &apos;%1&apos;:</source>
        <translation>&apos;%1&apos; kopyasının adı:</translation>
    </message>
    <message>
        <source>Duplicate cause-effect &apos;%1&apos;</source>
        <translation>&apos;%1&apos; sebep-sonuç çoğaltması</translation>
    </message>
    <message>
        <source>Toggle cause-effect &apos;%1&apos;</source>
        <translation>&apos;%1&apos; sebep-sonuç değişikliği</translation>
    </message>
    <message>
        <source>Add cause-effects by zone</source>
        <translation>Bölgelere göre sebep-sonuç ekleme</translation>
    </message>
    <message>
        <source>Cause-effects added: %1. These zones were skipped:</source>
        <translation>Eklenen sebep-sonuç: %1. Atlanan bölgeler:</translation>
    </message>
    <message>
        <source>Loop and battery calculation</source>
        <translation>Çevrim yükü ve akü hesabı</translation>
    </message>
</context>
<context>
    <name>vaz::CauseEffectMatrix</name>
    <message>
        <source>Cause-effect matrix</source>
        <translation>Sebep-sonuç matrisi</translation>
    </message>
    <message>
        <source>Click a rule to show it</source>
        <translation>Göstermek için bir kurala tıklayın</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Yazdır…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Dışa aktar…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Kurallar</translation>
    </message>
    <message>
        <source>Show every &amp;device</source>
        <translation>&amp;Her cihazı göster</translation>
    </message>
    <message>
        <source>Show every device</source>
        <translation>Her cihazı göster</translation>
    </message>
    <message>
        <source>A row for every device, so that one no rule uses yet can be added</source>
        <translation>Her cihaz için bir satır: henüz hiçbir kuralda olmayan bir cihaz da eklenebilir</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>%1 is now an input of &apos;%2&apos;.</source>
        <translation>%1 artık &apos;%2&apos; kuralının bir girişi.</translation>
    </message>
    <message>
        <source>%1 is now an output of &apos;%2&apos;.</source>
        <translation>%1 artık &apos;%2&apos; kuralının bir çıkışı.</translation>
    </message>
    <message>
        <source>%1 is no longer an input of &apos;%2&apos;.</source>
        <translation>%1 artık &apos;%2&apos; kuralının girişi değil.</translation>
    </message>
    <message>
        <source>%1 is no longer an output of &apos;%2&apos;.</source>
        <translation>%1 artık &apos;%2&apos; kuralının çıkışı değil.</translation>
    </message>
    <message>
        <source>Click a cell or press Space to add the device to the rule or take it out.</source>
        <translation>Cihazı kurala eklemek ya da çıkarmak için hücreye tıklayın veya Boşluk tuşuna basın.</translation>
    </message>
    <message>
        <source>%1 holds no device a rule can use.</source>
        <translation>%1: bir kuralın kullanabileceği cihaz yok.</translation>
    </message>
    <message>
        <source>%1 is an input and an output of rule %2</source>
        <translation>%1, %2 kuralının hem girişi hem çıkışı</translation>
    </message>
    <message>
        <source>%1 is an input of rule %2</source>
        <translation>%1, %2 kuralının bir girişi</translation>
    </message>
    <message>
        <source>%1 is an output of rule %2</source>
        <translation>%1, %2 kuralının bir çıkışı</translation>
    </message>
    <message>
        <source>%1 is not in rule %2</source>
        <translation>%1, %2 kuralında yok</translation>
    </message>
</context>
<context>
    <name>vaz::ConfigFile</name>
    <message>
        <source>The configuration was not saved to &quot;%1&quot;: %2. Any file of that name was left as it was.</source>
        <translation>Yapılandırma &quot;%1&quot; dosyasına kaydedilmedi: %2. Bu addaki dosyaya dokunulmadı.</translation>
    </message>
</context>
<context>
    <name>vaz::DeviceRange</name>
    <message>
        <source>Choose a loop.</source>
        <translation>Bir çevrim seçin.</translation>
    </message>
    <message>
        <source>Addresses run from 1 to %1.</source>
        <translation>Adresler 1 ile %1 arasındadır.</translation>
    </message>
    <message>
        <source>Choose a device type.</source>
        <translation>Bir cihaz tipi seçin.</translation>
    </message>
    <message>
        <source>Zones run from 1 to %1.</source>
        <translation>Bölgeler 1 ile %1 arasındadır.</translation>
    </message>
    <message>
        <source>Address %1: %2</source>
        <translation>Adres %1: %2</translation>
    </message>
</context>
<context>
    <name>vaz::Fcihazverileri</name>
    <message>
        <source>Cause-effect</source>
        <translation>Sebep-sonuç</translation>
    </message>
    <message>
        <source>Loop %1</source>
        <translation>Çevrim %1</translation>
    </message>
    <message>
        <source>Device configuration</source>
        <translation>Cihaz yapılandırması</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Dü&amp;zen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopyala</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ya&amp;pıştır</translation>
    </message>
    <message>
        <source>Select all in &amp;loop</source>
        <translation>Çevrimdeki &amp;tümünü seç</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Cihazlar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Göster</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Unable to delete because the device is included in a cause-effect</source>
        <translation>Cihaz bir sebep-sonuçta yer aldığı için silinemiyor</translation>
    </message>
    <message>
        <source>%1 address %2</source>
        <translation>%1 adres %2</translation>
    </message>
    <message>
        <source>%1 addresses %2</source>
        <translation>%1 adresler %2</translation>
    </message>
    <message>
        <source>Not deleted, as a cause-effect includes them: %1</source>
        <translation>Bir sebep-sonuçta yer aldıkları için silinmedi: %1</translation>
    </message>
    <message>
        <source>Save or cancel the device being entered first.</source>
        <translation>Önce girilmekte olan cihazı kaydedin ya da iptal edin.</translation>
    </message>
    <message>
        <source>Select a device type first.</source>
        <translation>Önce bir cihaz tipi seçin.</translation>
    </message>
    <message>
        <source>Copied %1 device of %2</source>
        <translation>%2: %1 cihaz kopyalandı</translation>
    </message>
    <message>
        <source>Copied %1 devices of %2</source>
        <translation>%2: %1 cihaz kopyalandı</translation>
    </message>
    <message>
        <source>%1 device</source>
        <translation>%1 cihaz</translation>
    </message>
    <message>
        <source>%1 devices</source>
        <translation>%1 cihaz</translation>
    </message>
    <message>
        <source>%1 has no room for %2 from address %3 on; nothing was pasted.</source>
        <translation>%1 içinde %3 adresinden başlayarak %2 için yer yok; hiçbir şey yapıştırılmadı.</translation>
    </message>
    <message>
        <source>Pasted %1 at %2 address %3</source>
        <translation>%1 yapıştırıldı: %2 adres %3</translation>
    </message>
    <message>
        <source>Pasted %1 at %2 addresses %3</source>
        <translation>%1 yapıştırıldı: %2 adresler %3</translation>
    </message>
    <message>
        <source>Toolbar3</source>
        <translation>Araç çubuğu</translation>
    </message>
    <message>
        <source>Address, type, Z3 or location</source>
        <translation>Adres, tip, Z3 ya da mahal</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Süzgeç:</translation>
    </message>
    <message>
        <source>Devices by zone</source>
        <translation>Bölgeye göre cihazlar</translation>
    </message>
    <message>
        <source>&amp;Loops</source>
        <translation>Ç&amp;evrimler</translation>
    </message>
    <message>
        <source>By &amp;zone</source>
        <translation>&amp;Bölgeye göre</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>Bölge %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Düzenle...</translation>
    </message>
    <message>
        <source>Duplicate...</source>
        <translation>Çoğalt...</translation>
    </message>
    <message>
        <source>What it sets off...</source>
        <translation>Neyi çalıştırır...</translation>
    </message>
    <message>
        <source>What sets it off...</source>
        <translation>Onu ne çalıştırır...</translation>
    </message>
    <message>
        <source>Device commands</source>
        <translation>Cihaz komutları</translation>
    </message>
</context>
<context>
    <name>vaz::Fpanelverileri</name>
    <message>
        <source>Sounder 1</source>
        <translation>Siren 1</translation>
    </message>
    <message>
        <source>Sounder 2</source>
        <translation>Siren 2</translation>
    </message>
    <message>
        <source>Sounder 3</source>
        <translation>Siren 3</translation>
    </message>
    <message>
        <source>Sounder 4</source>
        <translation>Siren 4</translation>
    </message>
    <message>
        <source>Fire relay</source>
        <translation>Yangın rölesi</translation>
    </message>
    <message>
        <source>Fault relay</source>
        <translation>Arıza rölesi</translation>
    </message>
    <message>
        <source>Alarm relay</source>
        <translation>Alarm rölesi</translation>
    </message>
    <message>
        <source>Panel configuration</source>
        <translation>Panel yapılandırması</translation>
    </message>
    <message>
        <source>Supplier&apos;s name</source>
        <translation>Tedarikçi adı</translation>
    </message>
    <message>
        <source>Panel name</source>
        <translation>Panel adı</translation>
    </message>
    <message>
        <source>Max. 40 characters</source>
        <translation>En çok 40 karakter</translation>
    </message>
    <message>
        <source>Sounder/relay output delay</source>
        <translation>Siren/röle çıkış gecikmesi</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>sn.</translation>
    </message>
    <message>
        <source>Delay active</source>
        <translation>Gecikme etkin</translation>
    </message>
    <message>
        <source>System operation mode</source>
        <translation>Sistem çalışma modu</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Cause-effect</source>
        <translation>Sebep-sonuç</translation>
    </message>
    <message>
        <source>Inappropriate value!</source>
        <translation>Uygun olmayan değer!</translation>
    </message>
    <message>
        <source>Panel data commands</source>
        <translation>Panel verileri komutları</translation>
    </message>
</context>
<context>
    <name>vaz::Fyeni</name>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Number of loops</source>
        <translation>Çevrim sayısı</translation>
    </message>
    <message>
        <source>Delete configuration data?</source>
        <translation>Yapılandırma verileri silinsin mi?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>New configuration commands</source>
        <translation>Yeni yapılandırma komutları</translation>
    </message>
</context>
<context>
    <name>vaz::HelpWindow</name>
    <message>
        <source>VAZ Configuration Help</source>
        <translation>VAZ Yapılandırma Yardımı</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Kullanım kılavuzu</translation>
    </message>
</context>
<context>
    <name>vaz::History</name>
    <message>
        <source>Store cause-effect &apos;%1&apos;</source>
        <translation>&apos;%1&apos; sebep-sonuç kaydı</translation>
    </message>
    <message>
        <source>Delete cause-effect &apos;%1&apos;</source>
        <translation>&apos;%1&apos; sebep-sonuç silme</translation>
    </message>
    <message>
        <source>Loop count</source>
        <translation>çevrim sayısı</translation>
    </message>
    <message>
        <source>Panel data</source>
        <translation>panel verileri</translation>
    </message>
    <message>
        <source>Add %1 devices</source>
        <translation>%1 cihaz ekleme</translation>
    </message>
    <message>
        <source>Delete %1 devices</source>
        <translation>%1 cihaz silme</translation>
    </message>
    <message>
        <source>Change %1 devices</source>
        <translation>%1 cihaz değişikliği</translation>
    </message>
    <message>
        <source>Save %1</source>
        <translation>%1 kaydı</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 silme</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>tip</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>mahal</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>bölge</translation>
    </message>
    <message>
        <source>Bypass</source>
        <translation>gecikme atlama</translation>
    </message>
    <message>
        <source>Input event</source>
        <translation>giriş olayı</translation>
    </message>
    <message>
        <source>Output event</source>
        <translation>çıkış olayı</translation>
    </message>
    <message>
        <source>Output delay</source>
        <translation>çıkış gecikmesi</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2: %1</translation>
    </message>
    <message>
        <source>Edit cause-effect &apos;%1&apos;</source>
        <translation>&apos;%1&apos; sebep-sonuç düzenlemesi</translation>
    </message>
    <message>
        <source>Site data</source>
        <translation>Saha verileri</translation>
    </message>
    <message>
        <source>Walk test of %1 devices</source>
        <translation>%1 cihazın yürüme testi</translation>
    </message>
    <message>
        <source>Walk test %1</source>
        <translation>%1 yürüme testi</translation>
    </message>
</context>
<context>
    <name>vaz::KarsilastirmaSonucu</name>
    <message>
        <source>Compare with panel</source>
        <translation>Panelle karşılaştır</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Farklar</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Yer</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Alan</translation>
    </message>
    <message>
        <source>In the tool</source>
        <translation>Programda</translation>
    </message>
    <message>
        <source>In the panel</source>
        <translation>Panelde</translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation>CSV olarak &amp;kaydet...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>%1 field(s) differ between the tool and the panel.</source>
        <translation>Programla panel arasında %1 alan farklı.</translation>
    </message>
    <message>
        <source>Save differences</source>
        <translation>Farkları kaydet</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>%1 dosyası yazılamadı: %2</translation>
    </message>
    <message>
        <source>Retest list</source>
        <translation>Yeniden test listesi</translation>
    </message>
    <message>
        <source>&amp;Print retest list...</source>
        <translation>Yeniden test listesini &amp;yazdır...</translation>
    </message>
    <message>
        <source>E&amp;xport retest list...</source>
        <translation>Yeniden test listesini &amp;dışa aktar...</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>%1 içinde</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>Dosyayla karşılaştır</translation>
    </message>
    <message>
        <source>The file %1 holds the configuration on screen.</source>
        <translation>%1 dosyası ekrandaki yapılandırmayı içeriyor.</translation>
    </message>
    <message>
        <source>%1 field(s) differ between the tool and %2.</source>
        <translation>Araç ile %2 arasında %1 alan farklı.</translation>
    </message>
    <message>
        <source>Test again: %1 touched by the change, %2 unchanged inputs as a sample.</source>
        <translation>Yeniden test edin: değişikliğin etkilediği %1, örnek olarak değişmemiş %2 giriş.</translation>
    </message>
    <message>
        <source>Retest list after the changes against %1</source>
        <translation>%1 dosyasına göre değişikliklerden sonra yeniden test listesi</translation>
    </message>
    <message>
        <source>Export retest list</source>
        <translation>Yeniden test listesini dışa aktar</translation>
    </message>
    <message>
        <source>Verify after upload</source>
        <translation>Yükleme sonrası doğrulama</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gönderilen</translation>
    </message>
    <message>
        <source>The panel does not hold what was sent: %1 field(s) differ.</source>
        <translation>Panel gönderileni tutmuyor: %1 alan farklı.</translation>
    </message>
    <message>
        <source>%1 passed a walk test after the change.</source>
        <translation>%1 cihaz değişiklikten sonra yürüme testini geçti.</translation>
    </message>
    <message>
        <source>Walk test passed</source>
        <translation>Yürüme testi geçti</translation>
    </message>
</context>
<context>
    <name>vaz::Language</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Dil</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>Dil, programın bir sonraki açılışında değişir.</translation>
    </message>
</context>
<context>
    <name>vaz::LoopCalcWindow</name>
    <message>
        <source>Loop and battery calculation</source>
        <translation>Çevrim yükü ve akü hesabı</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Cihaz tipi</translation>
    </message>
    <message>
        <source>Quiescent (mA)</source>
        <translation>Sükûnet (mA)</translation>
    </message>
    <message>
        <source>Alarm (mA)</source>
        <translation>Alarm (mA)</translation>
    </message>
    <message>
        <source>Currents per device type</source>
        <translation>Cihaz tipine göre akımlar</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 sa</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 dk</translation>
    </message>
    <message>
        <source>Supply</source>
        <translation>Besleme</translation>
    </message>
    <message>
        <source>Loop &amp;output (V):</source>
        <translation>Çevrim çı&amp;kışı (V):</translation>
    </message>
    <message>
        <source>Device m&amp;inimum (V):</source>
        <translation>Cihaz en &amp;düşük (V):</translation>
    </message>
    <message>
        <source>Panel &amp;quiescent (mA):</source>
        <translation>Panel &amp;sükûnet (mA):</translation>
    </message>
    <message>
        <source>Panel a&amp;larm (mA):</source>
        <translation>Panel a&amp;larmı (mA):</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Yöntem:</translation>
    </message>
    <message>
        <source>&amp;Standby:</source>
        <translation>&amp;Bekleme:</translation>
    </message>
    <message>
        <source>Alarm &amp;time:</source>
        <translation>Alarm sü&amp;resi:</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Sonuçlar</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>&amp;CSV olarak dışa aktar...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Uygula</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Export loop and battery calculation</source>
        <translation>Çevrim yükü ve akü hesabını dışa aktar</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV dosyası (*.csv)</translation>
    </message>
    <message>
        <source>Loop output voltage</source>
        <translation>Çevrim çıkış gerilimi</translation>
    </message>
    <message>
        <source>Device minimum voltage</source>
        <translation>Cihazların en düşük gerilimi</translation>
    </message>
    <message>
        <source>Panel quiescent current</source>
        <translation>Panelin sükûnet akımı</translation>
    </message>
    <message>
        <source>Panel alarm current</source>
        <translation>Panelin alarm akımı</translation>
    </message>
    <message>
        <source>Battery method</source>
        <translation>Akü hesap yöntemi</translation>
    </message>
    <message>
        <source>Standby hours</source>
        <translation>Bekleme saati</translation>
    </message>
    <message>
        <source>Alarm minutes</source>
        <translation>Alarm dakikası</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV olarak dışa aktar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
</context>
<context>
    <name>vaz::NameCheck</name>
    <message>
        <source>A name holds at most 40 characters.</source>
        <translation>Bir ad en çok 40 karakter olabilir.</translation>
    </message>
    <message>
        <source>The characters &quot; and ~ cannot be part of a name.</source>
        <translation>&quot; ve ~ karakterleri bir adda bulunamaz.</translation>
    </message>
    <message>
        <source>This character cannot be stored in a configuration file.</source>
        <translation>Bu karakter bir yapılandırma dosyasında saklanamaz.</translation>
    </message>
</context>
<context>
    <name>vaz::PortAyar</name>
    <message>
        <source>Communication</source>
        <translation>Haberleşme</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>&amp;Verify after upload</source>
        <translation>Yüklemeden sonra &amp;doğrula</translation>
    </message>
    <message>
        <source>Read the configuration back from the panel after every upload and compare it with what was sent</source>
        <translation>Her yüklemeden sonra yapılandırmayı panelden geri oku ve gönderilenle karşılaştır</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Cihaz</translation>
    </message>
    <message>
        <source>Device state</source>
        <translation>Cihaz durumu</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Cihaz:</translation>
    </message>
    <message>
        <source> (not connected)</source>
        <translation> (bağlı değil)</translation>
    </message>
    <message>
        <source>Other device...</source>
        <translation>Başka cihaz...</translation>
    </message>
    <message>
        <source>VAZ_COM%1 is set: %2 is %3 in this run, whatever is chosen here.</source>
        <translation>VAZ_COM%1 tanımlı: burada ne seçilirse seçilsin, bu çalıştırmada %2 = %3.</translation>
    </message>
    <message>
        <source>%1 is not connected now: plug the adapter in, or choose another device.</source>
        <translation>%1 şu anda bağlı değil: adaptörü takın ya da başka bir cihaz seçin.</translation>
    </message>
    <message>
        <source>Other device</source>
        <translation>Başka cihaz</translation>
    </message>
</context>
<context>
    <name>vaz::PreUploadCheck</name>
    <message>
        <source>has no zone</source>
        <translation>bölgesi yok</translation>
    </message>
    <message>
        <source>is an output module with no output event</source>
        <translation>çıkış olayı olmayan bir çıkış modülü</translation>
    </message>
    <message>
        <source>location &quot;%1&quot; becomes &quot;%2&quot; on the panel, like %3</source>
        <translation>&quot;%1&quot; mahali panelde %3 gibi &quot;%2&quot; olur</translation>
    </message>
    <message>
        <source>Cause-effect %1 &apos;%2&apos;</source>
        <translation>Sebep-sonuç %1 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>has no inputs</source>
        <translation>girişi yok</translation>
    </message>
    <message>
        <source>has no outputs</source>
        <translation>çıkışı yok</translation>
    </message>
    <message>
        <source>has no condition (code %1)</source>
        <translation>koşulu yok (kod %1)</translation>
    </message>
    <message>
        <source>%1 needs two inputs or more</source>
        <translation>%1 için iki ya da daha çok giriş gerekir</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>VE</translation>
    </message>
    <message>
        <source>COINCIDENCE</source>
        <translation>ÇAKIŞMA</translation>
    </message>
    <message>
        <source>names %1, which holds no device</source>
        <translation>cihaz olmayan %1 konumunu içeriyor</translation>
    </message>
    <message>
        <source>has the same name as cause-effect %1</source>
        <translation>%1. sebep-sonuçla aynı ada sahip</translation>
    </message>
    <message>
        <source>sets off nothing</source>
        <translation>hiçbir şeyi çalıştırmıyor</translation>
    </message>
    <message>
        <source>names %1, an output module, among its inputs</source>
        <translation>girişleri arasında bir çıkış modülü olan %1 konumunu içeriyor</translation>
    </message>
    <message>
        <source>names %1, an input device, among its outputs</source>
        <translation>çıkışları arasında bir giriş cihazı olan %1 konumunu içeriyor</translation>
    </message>
    <message>
        <source>1 cause-effect rule will not be used: the ringing mode is Common</source>
        <translation>1 sebep-sonuç kuralı kullanılmayacak: çalışma modu Genel</translation>
    </message>
    <message>
        <source>%1 cause-effect rules will not be used: the ringing mode is Common</source>
        <translation>%1 sebep-sonuç kuralı kullanılmayacak: çalışma modu Genel</translation>
    </message>
    <message>
        <source>shows Fault, the panel gets Fire</source>
        <translation>Arıza gösteriyor, panele Yangın gidiyor</translation>
    </message>
</context>
<context>
    <name>vaz::ProgBarIslem</name>
    <message>
        <source>Progress</source>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Stop the transfer?</source>
        <translation>Aktarım durdurulsun mu?</translation>
    </message>
    <message>
        <source>%1:%2 left</source>
        <translation>%1:%2 kaldı</translation>
    </message>
</context>
<context>
    <name>vaz::PropertyPanel</name>
    <message>
        <source>Device type</source>
        <translation>Cihaz tipi</translation>
    </message>
    <message>
        <source>Location text</source>
        <translation>Mahal metni</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Bölge</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Yangın</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Arıza</translation>
    </message>
    <message>
        <source>Input event type</source>
        <translation>Giriş olay tipi</translation>
    </message>
    <message>
        <source>Activation property</source>
        <translation>Aktivasyon özelliği</translation>
    </message>
    <message>
        <source>Bypass output delay</source>
        <translation>Çıkış gecikmesini atla</translation>
    </message>
    <message>
        <source>Output event type</source>
        <translation>Çıkış olay tipi</translation>
    </message>
    <message>
        <source>Output delay</source>
        <translation>Çıkış gecikmesi</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>sn.</translation>
    </message>
    <message>
        <source>Enter zone number!</source>
        <translation>Bölge numarasını girin!</translation>
    </message>
    <message>
        <source>Enter zone number !</source>
        <translation>Bölge numarasını girin !</translation>
    </message>
    <message>
        <source>Inappropriate value !</source>
        <translation>Uygun olmayan değer !</translation>
    </message>
    <message>
        <source>Device type picture</source>
        <translation>Cihaz tipi resmi</translation>
    </message>
</context>
<context>
    <name>vaz::QtMessages</name>
    <message>
        <source>… and %1 more</source>
        <translation>… ve %1 tane daha</translation>
    </message>
</context>
<context>
    <name>vaz::Report</name>
    <message>
        <source>OR</source>
        <translation>VEYA</translation>
    </message>
    <message>
        <source>COINCIDENCE</source>
        <translation>ÇAKIŞMA</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>VE</translation>
    </message>
    <message>
        <source>File name: </source>
        <translation>Dosya adı: </translation>
    </message>
    <message>
        <source>Supplier&apos;s name: </source>
        <translation>Tedarikçi adı: </translation>
    </message>
    <message>
        <source>Panel name: </source>
        <translation>Panel adı: </translation>
    </message>
    <message>
        <source>Loop count: </source>
        <translation>Çevrim sayısı: </translation>
    </message>
    <message>
        <source>Device count: </source>
        <translation>Cihaz sayısı: </translation>
    </message>
    <message>
        <source>Sounder1, Sounder2, Sounder3, Sounder4, Alarm R., Fire R., Fault R.</source>
        <translation>Siren1, Siren2, Siren3, Siren4, Alarm R., Yangın R., Arıza R.</translation>
    </message>
    <message>
        <source>System operation mode: Common</source>
        <translation>Sistem çalışma modu: Genel</translation>
    </message>
    <message>
        <source>System operation mode: Cause-effect</source>
        <translation>Sistem çalışma modu: Sebep-sonuç</translation>
    </message>
    <message>
        <source>Cause-effect count: </source>
        <translation>Sebep-sonuç sayısı: </translation>
    </message>
    <message>
        <source>Cause-effect name: </source>
        <translation>Sebep-sonuç adı: </translation>
    </message>
    <message>
        <source>Inputs:</source>
        <translation>Girişler:</translation>
    </message>
    <message>
        <source>Outputs:</source>
        <translation>Çıkışlar:</translation>
    </message>
    <message>
        <source>Condition: </source>
        <translation>Koşul: </translation>
    </message>
    <message>
        <source>The configuration report was not printed. </source>
        <translation>Yapılandırma raporu yazdırılmadı. </translation>
    </message>
    <message>
        <source>Panel fingerprint: </source>
        <translation>Panel parmak izi: </translation>
    </message>
    <message>
        <source>Zone names:</source>
        <translation>Bölge adları:</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>Bölge %1</translation>
    </message>
</context>
<context>
    <name>vaz::RuleLists</name>
    <message>
        <source>Sounder 1</source>
        <translation>Siren 1</translation>
    </message>
    <message>
        <source>Sounder 2</source>
        <translation>Siren 2</translation>
    </message>
    <message>
        <source>Sounder 3</source>
        <translation>Siren 3</translation>
    </message>
    <message>
        <source>Sounder 4</source>
        <translation>Siren 4</translation>
    </message>
    <message>
        <source>Fire relay</source>
        <translation>Yangın rölesi</translation>
    </message>
    <message>
        <source>Alarm relay</source>
        <translation>Alarm rölesi</translation>
    </message>
    <message>
        <source>Fault relay</source>
        <translation>Arıza rölesi</translation>
    </message>
    <message>
        <source>A name holds at most 10 characters.</source>
        <translation>Bir ad en çok 10 karakter olabilir.</translation>
    </message>
    <message>
        <source>A name cannot start with }.</source>
        <translation>Bir ad } ile başlayamaz.</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>VEYA</translation>
    </message>
    <message>
        <source>Coincidence</source>
        <translation>Çakışma</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>VE</translation>
    </message>
    <message>
        <source>A rule needs a name.</source>
        <translation>Bir kuralın adı olmalıdır.</translation>
    </message>
</context>
<context>
    <name>vaz::RulesByZone</name>
    <message>
        <source>Rules by zone</source>
        <translation>Bölgelere göre kurallar</translation>
    </message>
    <message>
        <source>Zone 48 (inputs: 254, outputs: 254)</source>
        <translation>Bölge 48 (giriş: 254, çıkış: 254)</translation>
    </message>
    <message>
        <source>Tick all</source>
        <translation>Tümünü işaretle</translation>
    </message>
    <message>
        <source>Untick all</source>
        <translation>Tüm işaretleri kaldır</translation>
    </message>
    <message>
        <source>Zones</source>
        <translation>Bölgeler</translation>
    </message>
    <message>
        <source>Outputs of each rule</source>
        <translation>Her kuralın çıkışları</translation>
    </message>
    <message>
        <source>The zone&apos;s sounder controllers</source>
        <translation>Bölgenin siren kontrol modülleri</translation>
    </message>
    <message>
        <source>The zone&apos;s relay controllers</source>
        <translation>Bölgenin röle kontrol modülleri</translation>
    </message>
    <message>
        <source>Panel outputs:</source>
        <translation>Panel çıkışları:</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Koşul</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>VEYA</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>VE</translation>
    </message>
    <message>
        <source>COINCIDENCE</source>
        <translation>ÇAKIŞMA</translation>
    </message>
    <message>
        <source>Zone {z}</source>
        <translation>Bölge {z}</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Ad</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Zone %1 (inputs: %2, outputs: %3)</source>
        <translation>Bölge %1 (giriş: %2, çıkış: %3)</translation>
    </message>
    <message>
        <source>Cause-effects to add: %1. Zones skipped: %2.</source>
        <translation>Eklenecek sebep-sonuç: %1. Atlanan bölge: %2.</translation>
    </message>
    <message>
        <source>What OK adds</source>
        <translation>Tamam&apos;ın ekleyecekleri</translation>
    </message>
    <message>
        <source>Panel outputs</source>
        <translation>Panel çıkışları</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>{z}: the zone number, {zone}: the zone&apos;s name. At most 10 characters once it is filled in.</source>
        <translation>{z}: bölge numarası, {zone}: bölgenin adı. Yerine konunca en çok 10 karakter.</translation>
    </message>
    <message>
        <source>Skipped zones</source>
        <translation>Atlanan bölgeler</translation>
    </message>
</context>
<context>
    <name>vaz::SSicerik</name>
    <message>
        <source>Cause-effect configuration</source>
        <translation>Sebep-sonuç yapılandırması</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Koşul</translation>
    </message>
    <message>
        <source> count</source>
        <translation> sayısı</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Girişler</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Çıkışlar</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Pencereyi kapat</translation>
    </message>
    <message>
        <source> device(s)</source>
        <translation> cihaz</translation>
    </message>
    <message>
        <source>Loop   Address   Zone   Type</source>
        <extracomment>Blanks put each word over its column of the list entries, in DejaVu Sans.</extracomment>
        <translation>Çevrim Adres     Bölge  Tip</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Düzenle...</translation>
    </message>
    <message>
        <source>Duplicate...</source>
        <translation>Çoğalt...</translation>
    </message>
</context>
<context>
    <name>vaz::SchedulePreview</name>
    <message>
        <source>Import device schedule</source>
        <translation>Cihaz listesini içe aktar</translation>
    </message>
    <message>
        <source>1 problem must be corrected in the schedule before it can be imported:</source>
        <translation>Listenin içe aktarılabilmesi için 1 sorunun düzeltilmesi gerekiyor:</translation>
    </message>
    <message>
        <source>%1 problems must be corrected in the schedule before it can be imported:</source>
        <translation>Listenin içe aktarılabilmesi için %1 sorunun düzeltilmesi gerekiyor:</translation>
    </message>
    <message>
        <source>Save problems as CSV...</source>
        <translation>Sorunları CSV olarak kaydet...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Save problems</source>
        <translation>Sorunları kaydet</translation>
    </message>
    <message>
        <source>What the import does</source>
        <translation>İçe aktarmanın yapacakları</translation>
    </message>
    <message>
        <source>Why OK is off</source>
        <translation>Tamam neden kapalı</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Sorunlar</translation>
    </message>
    <message>
        <source>Devices the import changes</source>
        <translation>İçe aktarmanın değiştirdiği cihazlar</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>İşlem</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Çevrim</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Bölge</translation>
    </message>
    <message>
        <source>Save problems as CSV</source>
        <translation>Sorunları CSV olarak kaydet</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Mahal</translation>
    </message>
</context>
<context>
    <name>vaz::SebepSonuc</name>
    <message>
        <source>Cause-effect</source>
        <translation>Sebep-sonuç</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Max. 10 characters</source>
        <translation>En çok 10 karakter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Koşul</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>VE</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>VEYA</translation>
    </message>
    <message>
        <source>COINCIDENCE</source>
        <translation>ÇAKIŞMA</translation>
    </message>
    <message>
        <source>Input devices</source>
        <translation>Giriş cihazları</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Çıkışlar</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tümünü seç</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Tümünü temizle</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Geri</translation>
    </message>
    <message>
        <source>Forward &gt;</source>
        <translation>İleri &gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Input count </source>
        <translation>Giriş sayısı </translation>
    </message>
    <message>
        <source>Output count </source>
        <translation>Çıkış sayısı </translation>
    </message>
    <message>
        <source>Loop       Address       Zone               Type</source>
        <extracomment>Blanks put each word over its column of the list entries, in DejaVu Sans.</extracomment>
        <translation>Çevrim   Adres           Bölge              Tip</translation>
    </message>
    <message>
        <source>Select shown</source>
        <translation>Gösterilenleri seç</translation>
    </message>
    <message>
        <source>Clear shown</source>
        <translation>Gösterilenleri temizle</translation>
    </message>
    <message>
        <source>Address, type, Z3 or location</source>
        <translation>Adres, tip, Z3 ya da mahal</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Süzgeç:</translation>
    </message>
</context>
<context>
    <name>vaz::SiteDataDialog</name>
    <message>
        <source>Site data</source>
        <translation>Saha verileri</translation>
    </message>
    <message>
        <source>Site &amp;name:</source>
        <translation>Saha &amp;adı:</translation>
    </message>
    <message>
        <source>Site &amp;address:</source>
        <translation>Saha adr&amp;esi:</translation>
    </message>
    <message>
        <source>&amp;Engineer:</source>
        <translation>&amp;Mühendis:</translation>
    </message>
    <message>
        <source>&amp;Company:</source>
        <translation>&amp;Firma:</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>&amp;Notlar:</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Bölge</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Zone names (at most %1 characters)</source>
        <translation>Bölge adları (en çok %1 karakter)</translation>
    </message>
    <message>
        <source>Loop cables</source>
        <translation>Çevrim kabloları</translation>
    </message>
    <message>
        <source>Length (m)</source>
        <translation>Uzunluk (m)</translation>
    </message>
    <message>
        <source>Cross-section (mm²)</source>
        <translation>Kesit (mm²)</translation>
    </message>
    <message>
        <source>Resistance (Ω per km)</source>
        <translation>Direnç (km başına Ω)</translation>
    </message>
    <message>
        <source>Loop %1</source>
        <translation>Çevrim %1</translation>
    </message>
    <message>
        <source>Loop %1: %2</source>
        <translation>Çevrim %1: %2</translation>
    </message>
    <message>
        <source>The name of zone %1 has %2 characters; a zone name has at most %3.</source>
        <translation>Bölge %1 adı %2 karakter; bir bölge adı en çok %3 karakter olabilir.</translation>
    </message>
    <message>
        <source>Site name</source>
        <translation>Saha adı</translation>
    </message>
    <message>
        <source>Site address</source>
        <translation>Saha adresi</translation>
    </message>
    <message>
        <source>Engineer</source>
        <translation>Mühendis</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notlar</translation>
    </message>
    <message>
        <source>Zone names</source>
        <translation>Bölge adları</translation>
    </message>
    <message>
        <source>Zone name problem</source>
        <translation>Bölge adı sorunu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>vaz::ToggleWords</name>
    <message>
        <source>Cause-effect &apos;%1&apos; is an AND: it needs at least two inputs.</source>
        <translation>&apos;%1&apos; sebep-sonucu VE koşullu: en az iki girişi olmalı.</translation>
    </message>
    <message>
        <source>Cause-effect &apos;%1&apos; is a COINCIDENCE: it needs at least two inputs.</source>
        <translation>&apos;%1&apos; sebep-sonucu ÇAKIŞMA koşullu: en az iki girişi olmalı.</translation>
    </message>
    <message>
        <source>Cause-effect &apos;%1&apos; needs at least one input.</source>
        <translation>&apos;%1&apos; sebep-sonucunun en az bir girişi olmalı.</translation>
    </message>
    <message>
        <source>Cause-effect &apos;%1&apos; needs at least one output.</source>
        <translation>&apos;%1&apos; sebep-sonucunun en az bir çıkışı olmalı.</translation>
    </message>
</context>
<context>
    <name>vaz::ToolButton</name>
    <message>
        <source>New device</source>
        <translation>Yeni cihaz</translation>
    </message>
    <message>
        <source>Add range...</source>
        <translation>Aralık ekle...</translation>
    </message>
    <message>
        <source>Edit device</source>
        <translation>Cihazı düzenle</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Detele</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Upload to panel</source>
        <translation>Panele gönder</translation>
    </message>
    <message>
        <source>Download from panel</source>
        <translation>Panelden al</translation>
    </message>
    <message>
        <source>Configure panel data</source>
        <translation>Panel verilerini yapılandır</translation>
    </message>
    <message>
        <source>Configure devices</source>
        <translation>Cihazları yapılandır</translation>
    </message>
    <message>
        <source>Cause-effect</source>
        <translation>Sebep-sonuç</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Ağ</translation>
    </message>
</context>
<context>
    <name>vaz::Trace</name>
    <message>
        <source>OR</source>
        <translation>VEYA</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>VE</translation>
    </message>
    <message>
        <source>COINCIDENCE</source>
        <translation>ÇAKIŞMA</translation>
    </message>
    <message>
        <source>no condition (code %1)</source>
        <translation>koşul yok (kod %1)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Loop %1 address %2, which holds no device</source>
        <translation>Çevrim %1 adres %2 (cihaz yok)</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>hiçbir şey</translation>
    </message>
    <message>
        <source>Cause-effect %1 &apos;%2&apos;</source>
        <translation>Sebep-sonuç %1 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 (%2): on a fire at %3</source>
        <translation>%1 (%2): %3 yangınında</translation>
    </message>
    <message>
        <source>AND, together with %1</source>
        <translation>VE, birlikte: %1</translation>
    </message>
    <message>
        <source>COINCIDENCE with %1, as the panel evaluates COINCIDENCE</source>
        <translation>ÇAKIŞMA, %1 ile, panelin ÇAKIŞMA değerlendirmesine göre</translation>
    </message>
    <message>
        <source>%1 (%2) operates %3</source>
        <translation>%1 (%2) şunları çalıştırır: %3</translation>
    </message>
    <message>
        <source>1 cause-effect rule names it, but the ringing mode is Common: the panel does not use it.</source>
        <translation>1 sebep-sonuç kuralı onu içeriyor, ancak çalışma modu Genel: panel bu kuralı kullanmaz.</translation>
    </message>
    <message>
        <source>%1 cause-effect rules name it, but the ringing mode is Common: the panel does not use them.</source>
        <translation>%1 sebep-sonuç kuralı onu içeriyor, ancak çalışma modu Genel: panel bu kuralları kullanmaz.</translation>
    </message>
    <message>
        <source>The ringing mode is Common: the panel&apos;s common outputs ring.</source>
        <translation>Çalışma modu Genel: panelin genel çıkışları çalar.</translation>
    </message>
    <message>
        <source>%1 follows zone %2 on fire</source>
        <translation>%1, bölge %2 yangınını izler</translation>
    </message>
    <message>
        <source>It sets off nothing.</source>
        <translation>Hiçbir şeyi çalıştırmaz.</translation>
    </message>
    <message>
        <source>A fire in zone %1, which it follows</source>
        <translation>İzlediği bölge %1 içinde bir yangın</translation>
    </message>
    <message>
        <source>A fault in zone %1, which it follows (its output event is Fault)</source>
        <translation>İzlediği bölge %1 içinde bir arıza (çıkış olayı Arıza)</translation>
    </message>
    <message>
        <source>Nothing sets it off.</source>
        <translation>Onu hiçbir şey çalıştırmaz.</translation>
    </message>
    <message>
        <source>%1 is set off by:</source>
        <translation>%1 şunlarla çalışır:</translation>
    </message>
    <message>
        <source>%1 holds no device.</source>
        <translation>%1 adresinde cihaz yok.</translation>
    </message>
    <message>
        <source>%1, %2, zone %3</source>
        <translation>%1, %2, bölge %3</translation>
    </message>
    <message>
        <source>%1, is set off by:</source>
        <translation>%1, şunlarla çalışır:</translation>
    </message>
    <message>
        <source>%1, on a fire:</source>
        <translation>%1, yangında:</translation>
    </message>
</context>
<context>
    <name>vaz::TransferHistory</name>
    <message>
        <source>Time</source>
        <translation>Zaman</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Komut</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>Panel name</source>
        <translation>Panel adı</translation>
    </message>
    <message>
        <source>Supplier</source>
        <translation>Tedarikçi</translation>
    </message>
    <message>
        <source>MCU version</source>
        <translation>MCU sürümü</translation>
    </message>
    <message>
        <source>Loops</source>
        <translation>Çevrim</translation>
    </message>
    <message>
        <source>Fingerprint</source>
        <translation>Parmak izi</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Kullanıcı</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Süre</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Gönderim</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Doğrulama</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Alım</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Karşılaştırma</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Tamamlandı</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Doğrulandı</translation>
    </message>
    <message>
        <source>Differs</source>
        <translation>Farklı</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Başarısız</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 sn</translation>
    </message>
    <message>
        <source>Transfer history</source>
        <translation>Aktarım geçmişi</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Süzgeç</translation>
    </message>
    <message>
        <source>Panel name, file or result</source>
        <translation>Panel adı, dosya veya sonuç</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Süzgeç:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>&amp;Result:</source>
        <translation>S&amp;onuç:</translation>
    </message>
    <message>
        <source>Transfers</source>
        <translation>Aktarımlar</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV olarak &amp;dışa aktar...</translation>
    </message>
    <message>
        <source>&amp;Open file</source>
        <translation>Dosyayı &amp;aç</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>The transfer log %1 is too large to be shown.</source>
        <translation>Aktarım günlüğü %1 gösterilemeyecek kadar büyük.</translation>
    </message>
    <message>
        <source>No transfer has been logged yet.</source>
        <translation>Henüz kaydedilmiş aktarım yok.</translation>
    </message>
    <message>
        <source>%1 of %2 transfer(s) shown.</source>
        <translation>%2 aktarımdan %1 tanesi gösteriliyor.</translation>
    </message>
    <message>
        <source>Export transfer history</source>
        <translation>Aktarım geçmişini dışa aktar</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>%1 dosyası yazılamadı: %2</translation>
    </message>
    <message>
        <source>Refres&amp;h</source>
        <translation>&amp;Yenile</translation>
    </message>
</context>
<context>
    <name>vaz::UndoActions</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Geri al</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Yinele</translation>
    </message>
    <message>
        <source>Oldest steps dropped: undo goes back %1 steps</source>
        <translation>En eski adımlar silindi: en çok %1 adım geri alınabilir</translation>
    </message>
</context>
<context>
    <name>vaz::WalkTestWindow</name>
    <message>
        <source>Zone</source>
        <translation>Bölge</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Mahal</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Cihaz</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zaman</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Not</translation>
    </message>
    <message>
        <source>Import walk test</source>
        <translation>Yürüme testini içe aktar</translation>
    </message>
    <message>
        <source>What the import does</source>
        <translation>İçe aktarmanın yapacakları</translation>
    </message>
    <message>
        <source>Changes and refused rows</source>
        <translation>Değişiklikler ve reddedilen satırlar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Walk test</source>
        <translation>Yürüme testi</translation>
    </message>
    <message>
        <source>Input devices</source>
        <translation>Giriş cihazları</translation>
    </message>
    <message>
        <source>Walk test progress</source>
        <translation>Yürüme testinin durumu</translation>
    </message>
    <message>
        <source>P: passed   F: failed   R: remark</source>
        <translation>P: geçti   F: kaldı   R: not</translation>
    </message>
    <message>
        <source>&amp;Passed</source>
        <translation>&amp;Geçti</translation>
    </message>
    <message>
        <source>&amp;Failed</source>
        <translation>&amp;Kaldı</translation>
    </message>
    <message>
        <source>&amp;Remark...</source>
        <translation>&amp;Not...</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>CSV olarak &amp;dışa aktar...</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>CSV &amp;içe aktar...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Remark for %1:</source>
        <translation>%1 için not:</translation>
    </message>
    <message>
        <source>Export walk test</source>
        <translation>Yürüme testini dışa aktar</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV dosyaları (*.csv)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>&quot;%1&quot; dosyası yazılamadı: %2</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt)</source>
        <translation>CSV dosyaları (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Geçti</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Kaldı</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV olarak dışa aktar</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV içe aktar</translation>
    </message>
</context>
<context>
    <name>vaz::YeniCihazSecimi</name>
    <message>
        <source>New device</source>
        <translation>Yeni cihaz</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>vaz::ZoneRules</name>
    <message>
        <source>A rule needs a name.</source>
        <translation>Bir kuralın adı olmalı.</translation>
    </message>
    <message>
        <source>has no input devices</source>
        <translation>giriş cihazı yok</translation>
    </message>
    <message>
        <source>AND and COINCIDENCE need two inputs or more</source>
        <translation>VE ve ÇAKIŞMA en az iki giriş ister</translation>
    </message>
    <message>
        <source>has no outputs of the kinds chosen</source>
        <translation>seçilen türlerde çıkışı yok</translation>
    </message>
    <message>
        <source>has more than 254 inputs</source>
        <translation>254&apos;ten fazla girişi var</translation>
    </message>
    <message>
        <source>has more than 254 outputs</source>
        <translation>254&apos;ten fazla çıkışı var</translation>
    </message>
    <message>
        <source>name &quot;%1&quot;: %2</source>
        <translation>ad &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; is taken by cause-effect %2</source>
        <translation>&quot;%1&quot; adı %2. sebep-sonuçta kullanılıyor</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; is given to another zone</source>
        <translation>&quot;%1&quot; adı başka bir bölgeye verildi</translation>
    </message>
    <message>
        <source>cause-effect %1 has the same inputs, outputs and condition</source>
        <translation>%1. sebep-sonuçla girişler, çıkışlar ve koşul aynı</translation>
    </message>
    <message>
        <source>no room: the panel holds at most 200 cause-effect rules</source>
        <translation>yer yok: panel en çok 200 sebep-sonuç kuralı tutar</translation>
    </message>
    <message>
        <source>Zone %1: %2</source>
        <translation>Bölge %1: %2</translation>
    </message>
</context>
<context>
    <name>vaz::comm::CompareWords</name>
    <message>
        <source>Zone</source>
        <translation>Bölge</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Day threshold</source>
        <translation>Gündüz eşiği</translation>
    </message>
    <message>
        <source>Night threshold</source>
        <translation>Gece eşiği</translation>
    </message>
    <message>
        <source>Bypass</source>
        <translation>Gecikme atlama</translation>
    </message>
    <message>
        <source>Event type</source>
        <translation>Olay tipi</translation>
    </message>
    <message>
        <source>Output delay</source>
        <translation>Çıkış gecikmesi</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Mahal</translation>
    </message>
    <message>
        <source>Sounder 1</source>
        <translation>Siren 1</translation>
    </message>
    <message>
        <source>Sounder 2</source>
        <translation>Siren 2</translation>
    </message>
    <message>
        <source>Sounder 3</source>
        <translation>Siren 3</translation>
    </message>
    <message>
        <source>Sounder 4</source>
        <translation>Siren 4</translation>
    </message>
    <message>
        <source>Alarm relay</source>
        <translation>Alarm rölesi</translation>
    </message>
    <message>
        <source>Fire relay</source>
        <translation>Yangın rölesi</translation>
    </message>
    <message>
        <source>Fault relay</source>
        <translation>Arıza rölesi</translation>
    </message>
    <message>
        <source>Ringing mode</source>
        <translation>Çalışma modu</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Girişler</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Çıkışlar</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Koşul</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Supplier&apos;s name</source>
        <translation>Tedarikçi adı</translation>
    </message>
    <message>
        <source>Panel name</source>
        <translation>Panel adı</translation>
    </message>
    <message>
        <source>Cause-effect count</source>
        <translation>Sebep-sonuç sayısı</translation>
    </message>
    <message>
        <source>Loop count</source>
        <translation>Çevrim sayısı</translation>
    </message>
    <message>
        <source>Extra field</source>
        <translation>Fazladan alan</translation>
    </message>
    <message>
        <source>Loop %1 address %2</source>
        <translation>Çevrim %1 adres %2</translation>
    </message>
    <message>
        <source>Cause-effect %1</source>
        <translation>Sebep-sonuç %1</translation>
    </message>
</context>
<context>
    <name>vaz::comm::Retest</name>
    <message>
        <source>Panel output</source>
        <translation>Panel çıkışı</translation>
    </message>
    <message>
        <source>(no device)</source>
        <translation>(cihaz yok)</translation>
    </message>
    <message>
        <source>Cause-effect %1 &apos;%2&apos;</source>
        <translation>Sebep-sonuç %1 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Kural</translation>
    </message>
    <message>
        <source>the rule differs</source>
        <translation>kural farklı</translation>
    </message>
    <message>
        <source>its input %1 changed</source>
        <translation>girişi %1 değişti</translation>
    </message>
    <message>
        <source>its fields differ</source>
        <translation>alanları farklı</translation>
    </message>
    <message>
        <source>in cause-effect %1, which differs</source>
        <translation>farklı olan sebep-sonuç %1 içinde</translation>
    </message>
    <message>
        <source>output of cause-effect %1, whose input changed</source>
        <translation>girişi değişen sebep-sonuç %1 çıkışı</translation>
    </message>
    <message>
        <source>reacts to zone %1</source>
        <translation>bölge %1 için çalışır</translation>
    </message>
    <message>
        <source>sample of the unchanged inputs</source>
        <translation>değişmeyen girişlerden örnek</translation>
    </message>
    <message>
        <source>Retest</source>
        <translation>Yeniden test</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Bölge</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Mahal</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Neden</translation>
    </message>
</context>
<context>
    <name>vaz::comm::TransferLog</name>
    <message>
        <source>The transfer log %1 could not be written: %2. The transfer itself is not affected.</source>
        <translation>Aktarım günlüğü %1 yazılamadı: %2. Aktarımın kendisi bundan etkilenmedi.</translation>
    </message>
</context>
<context>
    <name>vaz::comm::TransferWords</name>
    <message>
        <source>Sending...</source>
        <translation>Gönderiliyor...</translation>
    </message>
    <message>
        <source>Receiving Data...</source>
        <translation>Veri alınıyor...</translation>
    </message>
    <message>
        <source>Comparing...</source>
        <translation>Karşılaştırılıyor...</translation>
    </message>
    <message>
        <source>Receiving Zone Numbers...</source>
        <translation>Bölge numaraları alınıyor...</translation>
    </message>
    <message>
        <source>Receiving Types...</source>
        <translation>Tipler alınıyor...</translation>
    </message>
    <message>
        <source>Receiving Day Thresholds...</source>
        <translation>Gündüz eşikleri alınıyor...</translation>
    </message>
    <message>
        <source>Receiving Night Thresholds...</source>
        <translation>Gece eşikleri alınıyor...</translation>
    </message>
    <message>
        <source>Receiving Output ByPass Status...</source>
        <translation>Çıkış gecikme atlama durumları alınıyor...</translation>
    </message>
    <message>
        <source>Receiving Controller Actions...</source>
        <translation>Kontrol modülü eylemleri alınıyor...</translation>
    </message>
    <message>
        <source>Receiving Location Texts...</source>
        <translation>Mahal metinleri alınıyor...</translation>
    </message>
    <message>
        <source>Waiting for the panel...</source>
        <translation>Panel bekleniyor...</translation>
    </message>
    <message>
        <source>Sending Panel Data...</source>
        <translation>Panel verileri gönderiliyor...</translation>
    </message>
    <message>
        <source>Sending Completed</source>
        <translation>Gönderim tamamlandı</translation>
    </message>
    <message>
        <source>Sending Not Completed</source>
        <translation>Gönderim tamamlanmadı</translation>
    </message>
    <message>
        <source>Receiving Data Completed</source>
        <translation>Veri alımı tamamlandı</translation>
    </message>
    <message>
        <source>Receiving Data Not Completed</source>
        <translation>Veri alımı tamamlanmadı</translation>
    </message>
    <message>
        <source>Comparison Completed</source>
        <translation>Karşılaştırma tamamlandı</translation>
    </message>
    <message>
        <source>Comparison Not Completed</source>
        <translation>Karşılaştırma tamamlanmadı</translation>
    </message>
    <message>
        <source>the panel settings</source>
        <translation>panel ayarları</translation>
    </message>
    <message>
        <source>the cause-effect rules</source>
        <translation>sebep-sonuç kuralları</translation>
    </message>
    <message>
        <source>cause-effect rule %1</source>
        <translation>sebep-sonuç kuralı %1</translation>
    </message>
    <message>
        <source>Cannot open port %1 (%2): %3.</source>
        <translation>%1 portu (%2) açılamıyor: %3.</translation>
    </message>
    <message>
        <source>Cannot open port %1: %2.</source>
        <translation>%1 portu açılamıyor: %2.</translation>
    </message>
    <message>
        <source>Your user may not be allowed to use serial ports: add it to the dialout group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>Kullanıcınızın seri portları kullanma izni olmayabilir: kullanıcıyı dialout grubuna ekleyin (sudo usermod -aG dialout $USER) ve yeniden oturum açın.</translation>
    </message>
    <message>
        <source>
VAZ_COM%1 names this device; unset it to choose one under File &gt; Options.</source>
        <translation>
Bu cihazı VAZ_COM%1 belirliyor; Dosya &gt; Seçenekler altında bir cihaz seçmek için onu kaldırın.</translation>
    </message>
    <message>
        <source>
VAZ_COM%1 names this device; correct it or use --port.</source>
        <translation>
Bu cihazı VAZ_COM%1 belirliyor; onu düzeltin ya da --port kullanın.</translation>
    </message>
    <message>
        <source>
For a USB serial adapter, plug it in and choose its device for %1 under File &gt; Options.</source>
        <translation>
USB seri adaptör için adaptörü takın ve Dosya &gt; Seçenekler altında %1 için cihazını seçin.</translation>
    </message>
    <message>
        <source>
For a USB serial adapter, plug it in and use --port with its device.</source>
        <translation>
USB seri adaptör için adaptörü takın ve cihazıyla --port kullanın.</translation>
    </message>
    <message>
        <source>
Another program may be using the port.</source>
        <translation>
Portu başka bir program kullanıyor olabilir.</translation>
    </message>
    <message>
        <source>The serial adapter (%1) was disconnected</source>
        <translation>Seri adaptörün (%1) bağlantısı kesildi</translation>
    </message>
    <message>
        <source>No answer from the panel for %1 s</source>
        <translation>Panel %1 sn yanıt vermedi</translation>
    </message>
    <message>
        <source> at the start of the upload.</source>
        <translation> (gönderimin başında).</translation>
    </message>
    <message>
        <source> at the start of the download.</source>
        <translation> (alımın başında).</translation>
    </message>
    <message>
        <source> at the start of the comparison.</source>
        <translation> (karşılaştırmanın başında).</translation>
    </message>
    <message>
        <source> while sending %1 (field %2 of %3).</source>
        <translation> (%1 gönderilirken, alan %2 / %3).</translation>
    </message>
    <message>
        <source> while receiving %1 (field %2).</source>
        <translation> (%1 alınırken, alan %2).</translation>
    </message>
    <message>
        <source> Nothing was sent.</source>
        <translation> Hiçbir şey gönderilmedi.</translation>
    </message>
    <message>
        <source> The panel may now hold part of the new configuration: upload again before leaving the site.</source>
        <translation> Panel şimdi yeni yapılandırmanın yalnızca bir kısmını tutuyor olabilir: sahadan ayrılmadan önce yeniden gönderin.</translation>
    </message>
    <message>
        <source> The comparison did not finish; the configuration in the tool is unchanged.</source>
        <translation> Karşılaştırma bitmedi; programdaki yapılandırma değişmedi.</translation>
    </message>
    <message>
        <source> The configuration in the tool is unchanged.</source>
        <translation> Programdaki yapılandırma değişmedi.</translation>
    </message>
    <message>
        <source> Plug the adapter in again and check its device under File &gt; Options.</source>
        <translation> Adaptörü yeniden takın ve Dosya &gt; Seçenekler altında cihazını denetleyin.</translation>
    </message>
    <message>
        <source> Plug the adapter in again and use --port with its device.</source>
        <translation> Adaptörü yeniden takın ve cihazıyla --port kullanın.</translation>
    </message>
    <message>
        <source> Check the cable, the port and that the panel is on.</source>
        <translation> Kabloyu, portu ve panelin açık olduğunu denetleyin.</translation>
    </message>
    <message>
        <source>the panel sent more than %1 characters without a separator for %2; no field is that long.</source>
        <translation>panel %2 için ayırıcısız %1 karakterden fazlasını gönderdi; hiçbir alan bu kadar uzun değildir.</translation>
    </message>
    <message>
        <source>Download refused: %1 The configuration was not changed.</source>
        <translation>Alım reddedildi: %1 Yapılandırma değiştirilmedi.</translation>
    </message>
    <message>
        <source>Comparison refused: %1 The configuration was not changed.</source>
        <translation>Karşılaştırma reddedildi: %1 Yapılandırma değiştirilmedi.</translation>
    </message>
    <message>
        <source>loop %1, address %2</source>
        <translation>çevrim %1, adres %2</translation>
    </message>
    <message>
        <source>rule %1 (&quot;%2&quot;)</source>
        <translation>kural %1 (&quot;%2&quot;)</translation>
    </message>
    <message>
        <source>The supplier&apos;s name</source>
        <translation>Tedarikçi adı</translation>
    </message>
    <message>
        <source>The panel name</source>
        <translation>Panel adı</translation>
    </message>
    <message>
        <source>The location text of loop %1, address %2</source>
        <translation>Çevrim %1, adres %2 mahal metni</translation>
    </message>
    <message>
        <source>The input list of %1</source>
        <translation>%1 giriş listesi</translation>
    </message>
    <message>
        <source>The output list of %1</source>
        <translation>%1 çıkış listesi</translation>
    </message>
    <message>
        <source>The name of %1</source>
        <translation>%1 adı</translation>
    </message>
    <message>
        <source>the zone number of %1</source>
        <translation>%1 bölge numarası</translation>
    </message>
    <message>
        <source>the device type of %1</source>
        <translation>%1 cihaz tipi</translation>
    </message>
    <message>
        <source>the bypass of %1</source>
        <translation>%1 gecikme atlama değeri</translation>
    </message>
    <message>
        <source>the event type of %1</source>
        <translation>%1 olay tipi</translation>
    </message>
    <message>
        <source>the output delay of %1</source>
        <translation>%1 çıkış gecikmesi</translation>
    </message>
    <message>
        <source>the Sounder 1 delay</source>
        <translation>Siren 1 gecikmesi</translation>
    </message>
    <message>
        <source>the Sounder 2 delay</source>
        <translation>Siren 2 gecikmesi</translation>
    </message>
    <message>
        <source>the Sounder 3 delay</source>
        <translation>Siren 3 gecikmesi</translation>
    </message>
    <message>
        <source>the Sounder 4 delay</source>
        <translation>Siren 4 gecikmesi</translation>
    </message>
    <message>
        <source>the Alarm relay delay</source>
        <translation>Alarm rölesi gecikmesi</translation>
    </message>
    <message>
        <source>the Fire relay delay</source>
        <translation>Yangın rölesi gecikmesi</translation>
    </message>
    <message>
        <source>the Fault relay delay</source>
        <translation>Arıza rölesi gecikmesi</translation>
    </message>
    <message>
        <source>the ringing mode</source>
        <translation>çalışma modu</translation>
    </message>
    <message>
        <source>the condition of rule %1</source>
        <translation>kural %1 koşulu</translation>
    </message>
    <message>
        <source>%1 holds the character &quot;~&quot;, which the panel takes as the end of a field. Nothing was sent.</source>
        <translation>%1 &quot;~&quot; karakterini içeriyor; panel bunu alan sonu olarak algılar. Hiçbir şey gönderilmedi.</translation>
    </message>
    <message>
        <source>%1 holds the character &quot;%2&quot;, which the panel cannot show. Nothing was sent.</source>
        <translation>%1 panelin gösteremeyeceği &quot;%2&quot; karakterini içeriyor. Hiçbir şey gönderilmedi.</translation>
    </message>
    <message>
        <source>%1 begins with &quot;}&quot;, which the panel takes as the end of a cause-effect section. Nothing was sent.</source>
        <translation>%1 &quot;}&quot; ile başlıyor; panel bunu sebep-sonuç bölümünün sonu olarak algılar. Hiçbir şey gönderilmedi.</translation>
    </message>
    <message>
        <source>The configuration holds %1 cause-effect rules; the panel takes 0 to %2. Nothing was sent.</source>
        <translation>Yapılandırmada %1 sebep-sonuç kuralı var; panel 0 ile %2 arası kabul eder. Hiçbir şey gönderilmedi.</translation>
    </message>
    <message>
        <source>the panel sent &quot;%1&quot; as %2, which does not fit.</source>
        <translation>panel %2 olarak &quot;%1&quot; gönderdi; bu değer alana sığmıyor.</translation>
    </message>
    <message>
        <source>the panel sent &quot;%1&quot; as the number of cause-effect rules; the tool holds 0 to %2.</source>
        <translation>panel sebep-sonuç kuralı sayısı olarak &quot;%1&quot; gönderdi; araç 0 ile %2 arası tutar.</translation>
    </message>
    <message>
        <source>the panel sent &quot;%1&quot; as the number of loops.</source>
        <translation>panel çevrim sayısı olarak &quot;%1&quot; gönderdi.</translation>
    </message>
    <message>
        <source>Verifying...</source>
        <translation>Doğrulanıyor...</translation>
    </message>
    <message>
        <source>Verification Completed</source>
        <translation>Doğrulama tamamlandı</translation>
    </message>
    <message>
        <source>Verification Not Completed</source>
        <translation>Doğrulama tamamlanmadı</translation>
    </message>
    <message>
        <source> at the start of the verification.</source>
        <translation> (doğrulamanın başında).</translation>
    </message>
    <message>
        <source> The upload itself completed, but the panel was not verified.</source>
        <translation> Yüklemenin kendisi tamamlandı, ancak panel doğrulanamadı.</translation>
    </message>
    <message>
        <source>Verification refused: %1 The upload itself completed, but the panel was not verified.</source>
        <translation>Doğrulama reddedildi: %1 Yüklemenin kendisi tamamlandı, ancak panel doğrulanamadı.</translation>
    </message>
    <message>
        <source>Transfer stopped</source>
        <translation>Aktarım durduruldu</translation>
    </message>
    <message>
        <source>Panel verified: fingerprint %1</source>
        <translation>Panel doğrulandı: parmak izi %1</translation>
    </message>
    <message>
        <source>The panel does not hold what was sent</source>
        <translation>Panel gönderileni tutmuyor</translation>
    </message>
    <message>
        <source>The verification did not finish; the upload itself completed.</source>
        <translation>Doğrulama bitmedi; yüklemenin kendisi tamamlandı.</translation>
    </message>
</context>
<context>
    <name>vaz::devices</name>
    <message>
        <source>QF-1010 Manual call point</source>
        <translation>QF-1010 Yangın ihbar butonu</translation>
    </message>
    <message>
        <source>Manual call point</source>
        <translation>İhbar butonu</translation>
    </message>
    <message>
        <source>QF-3010 Photo-electric smoke detector</source>
        <translation>QF-3010 Optik duman dedektörü</translation>
    </message>
    <message>
        <source>Photo-elec. smoke det.</source>
        <translation>Optik duman dedek.</translation>
    </message>
    <message>
        <source>QF-3020 Ionisation smoke detector</source>
        <translation>QF-3020 İyonizasyon duman dedektörü</translation>
    </message>
    <message>
        <source>Ionis. smoke det.</source>
        <translation>İyon. duman dedek.</translation>
    </message>
    <message>
        <source>QF-3030 Heat detector</source>
        <translation>QF-3030 Isı dedektörü</translation>
    </message>
    <message>
        <source>Heat det.</source>
        <translation>Isı dedek.</translation>
    </message>
    <message>
        <source>QF-5010 Relay controller</source>
        <translation>QF-5010 Röle kontrol modülü</translation>
    </message>
    <message>
        <source>Relay controller</source>
        <translation>Röle kontrol</translation>
    </message>
    <message>
        <source>QF-5020 Switch monitor</source>
        <translation>QF-5020 Kontak izleme modülü</translation>
    </message>
    <message>
        <source>Switch mon.</source>
        <translation>Kontak izleme</translation>
    </message>
    <message>
        <source>QF-5040 Zone monitor</source>
        <translation>QF-5040 Bölge izleme modülü</translation>
    </message>
    <message>
        <source>Zone mon.</source>
        <translation>Bölge izleme</translation>
    </message>
    <message>
        <source>QF-5030 Sounder controller</source>
        <translation>QF-5030 Siren kontrol modülü</translation>
    </message>
    <message>
        <source>Sounder controller</source>
        <translation>Siren kontrol</translation>
    </message>
    <message>
        <source>QF-3040 Multisensor</source>
        <translation>QF-3040 Çoklu sensör</translation>
    </message>
    <message>
        <source>Multisensor</source>
        <translation>Çoklu sensör</translation>
    </message>
    <message>
        <source>Select device type...</source>
        <translation>Cihaz tipini seçin...</translation>
    </message>
    <message>
        <source>Unknown type %1</source>
        <translation>Bilinmeyen tip %1</translation>
    </message>
    <message>
        <source>Loop %1, address %2</source>
        <translation>Çevrim %1, adres %2</translation>
    </message>
    <message>
        <source>zone %1</source>
        <translation>bölge %1</translation>
    </message>
</context>
<context>
    <name>vaz::lintor1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Yeni</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Aç</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>&amp;Son dosyalar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Kaydet</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>&amp;Farklı kaydet…</translation>
    </message>
    <message>
        <source>Op&amp;tions</source>
        <translation>Seçenek&amp;ler</translation>
    </message>
    <message>
        <source>&amp;MCU Version</source>
        <translation>&amp;MCU Sürümü</translation>
    </message>
    <message>
        <source>Show &amp;configuration</source>
        <translation>Yapılandırmayı &amp;göster</translation>
    </message>
    <message>
        <source>&amp;Print configuration</source>
        <translation>Yapılandırmayı ya&amp;zdır</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Dü&amp;zen</translation>
    </message>
    <message>
        <source>&amp;Communication</source>
        <translation>&amp;Haberleşme</translation>
    </message>
    <message>
        <source>&amp;Upload to panel</source>
        <translation>Panele &amp;gönder</translation>
    </message>
    <message>
        <source>&amp;Download from panel</source>
        <translation>Panelden &amp;al</translation>
    </message>
    <message>
        <source>Co&amp;mpare with panel</source>
        <translation>Panelle &amp;karşılaştır</translation>
    </message>
    <message>
        <source>Confi&amp;gure</source>
        <translation>&amp;Yapılandır</translation>
    </message>
    <message>
        <source>&amp;Panel configuration</source>
        <translation>&amp;Panel yapılandırması</translation>
    </message>
    <message>
        <source>&amp;Devices</source>
        <translation>&amp;Cihazlar</translation>
    </message>
    <message>
        <source>&amp;Cause-effect</source>
        <translation>&amp;Sebep-sonuç</translation>
    </message>
    <message>
        <source>Panel &amp;repeaters</source>
        <translation>Panel &amp;tekrarlayıcıları</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Yardı&amp;m</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;İçindekiler</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Hakkında...</translation>
    </message>
    <message>
        <source>In service</source>
        <translation>Devrede</translation>
    </message>
    <message>
        <source>1 device has</source>
        <translation>1 cihazın</translation>
    </message>
    <message>
        <source>%1 devices have</source>
        <translation>%1 cihazın</translation>
    </message>
    <message>
        <source> an unknown type or lie on a loop beyond the loop count. The device window shows them; they are saved and uploaded unless you delete them.</source>
        <translation> tipi bilinmiyor ya da çevrim sayısının dışındaki bir çevrimde duruyor. Cihaz penceresi bunları gösterir; silmediğiniz sürece kaydedilir ve panele gönderilir.</translation>
    </message>
    <message>
        <source>This command is not available yet.</source>
        <translation>Bu komut henüz kullanılamıyor.</translation>
    </message>
    <message>
        <source>Delete configuration data?</source>
        <translation>Yapılandırma verileri silinsin mi?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Open configuration</source>
        <translation>Yapılandırmayı aç</translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation>Yapılandırmayı kaydet</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(yok)</translation>
    </message>
    <message>
        <source>Number of loops</source>
        <translation>Çevrim sayısı</translation>
    </message>
    <message>
        <source>PC Version : </source>
        <translation>PC Sürümü : </translation>
    </message>
    <message>
        <source>The panel will take this configuration, but some of it is probably not meant:</source>
        <translation>Panel bu yapılandırmayı kabul eder, ancak bir kısmı büyük olasılıkla istenmemiş:</translation>
    </message>
    <message>
        <source>Upload anyway</source>
        <translation>Yine de gönder</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Gönder</translation>
    </message>
    <message>
        <source>Save configuration?</source>
        <translation>Yapılandırma kaydedilsin mi?</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Al</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Toolbar1</source>
        <translation>Araç çubuğu</translation>
    </message>
    <message>
        <source>Print &amp;file…</source>
        <translation>&amp;Dosya yazdır…</translation>
    </message>
    <message>
        <source>E&amp;xport device schedule...</source>
        <translation>&amp;Cihaz listesini dışa aktar...</translation>
    </message>
    <message>
        <source>Export empt&amp;y schedule...</source>
        <translation>&amp;Boş cihaz listesini dışa aktar...</translation>
    </message>
    <message>
        <source>&amp;Import device schedule...</source>
        <translation>Cihaz listesini &amp;içe aktar...</translation>
    </message>
    <message>
        <source>Export ca&amp;use-effect matrix...</source>
        <translation>Sebep-sonuç matrisini dışa akta&amp;r...</translation>
    </message>
    <message>
        <source>Cause-effect &amp;matrix</source>
        <translation>Sebep-sonuç &amp;matrisi</translation>
    </message>
    <message>
        <source>Commissionin&amp;g report...</source>
        <translation>Devreye alma rap&amp;oru...</translation>
    </message>
    <message>
        <source>Compare &amp;with file...</source>
        <translation>Dosyayla karşılaş&amp;tır...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 hakkında</translation>
    </message>
    <message>
        <source>Start a new configuration or open one first: the report describes it.</source>
        <translation>Önce yeni bir yapılandırma başlatın ya da birini açın: rapor onu anlatır.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Adsız</translation>
    </message>
    <message>
        <source> commissioning.pdf</source>
        <translation> devreye-alma.pdf</translation>
    </message>
    <message>
        <source>Start a new configuration or open one first: the file is compared with it.</source>
        <translation>Önce yeni bir yapılandırma başlatın ya da birini açın: dosya onunla karşılaştırılır.</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>Dosyayla karşılaştır</translation>
    </message>
    <message>
        <source>CSV, separated by semicolons (*.csv)</source>
        <translation>CSV, noktalı virgülle ayrılmış (*.csv)</translation>
    </message>
    <message>
        <source>CSV, separated by commas (*.csv)</source>
        <translation>CSV, virgülle ayrılmış (*.csv)</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Excel çalışma kitabı (*.xlsx)</translation>
    </message>
    <message>
        <source>Export device schedule</source>
        <translation>Cihaz listesini dışa aktar</translation>
    </message>
    <message>
        <source>Export empty schedule</source>
        <translation>Boş cihaz listesini dışa aktar</translation>
    </message>
    <message>
        <source>Export cause-effect matrix</source>
        <translation>Sebep-sonuç matrisini dışa aktar</translation>
    </message>
    <message>
        <source>Start a new configuration or open one first: the schedule goes into its loops.</source>
        <translation>Önce yeni bir yapılandırma başlatın ya da birini açın: liste onun çevrimlerine aktarılır.</translation>
    </message>
    <message>
        <source>Import device schedule</source>
        <translation>Cihaz listesini içe aktar</translation>
    </message>
    <message>
        <source>Schedules (*.csv *.txt *.xlsx)</source>
        <translation>Cihaz listeleri (*.csv *.txt *.xlsx)</translation>
    </message>
    <message>
        <source>Rules by &amp;zone...</source>
        <translation>&amp;Bölgelere göre kurallar...</translation>
    </message>
    <message>
        <source>Transfer &amp;history...</source>
        <translation>Aktarım g&amp;eçmişi...</translation>
    </message>
    <message>
        <source>Panel fingerprint: %1</source>
        <translation>Panel parmak izi: %1</translation>
    </message>
    <message>
        <source>Panel fingerprint: none, the upload would refuse this configuration</source>
        <translation>Panel parmak izi: yok, yükleme bu yapılandırmayı reddederdi</translation>
    </message>
    <message>
        <source>File: %1%2</source>
        <translation>Dosya: %1%2</translation>
    </message>
    <message>
        <source>not saved yet</source>
        <translation>henüz kaydedilmedi</translation>
    </message>
    <message>
        <source> (unsaved changes)</source>
        <translation> (kaydedilmemiş değişiklikler)</translation>
    </message>
    <message>
        <source>Panel: %1, supplier: %2</source>
        <translation>Panel: %1, tedarikçi: %2</translation>
    </message>
    <message>
        <source>loop %1: %2</source>
        <translation>çevrim %1: %2</translation>
    </message>
    <message>
        <source>Pre-upload check: no findings</source>
        <translation>Yükleme öncesi denetim: bulgu yok</translation>
    </message>
    <message>
        <source>1 device on %1 loops (%2)</source>
        <translation>1 cihaz, %1 çevrimde (%2)</translation>
    </message>
    <message>
        <source>%1 devices on %2 loops (%3)</source>
        <translation>%1 cihaz, %2 çevrimde (%3)</translation>
    </message>
    <message>
        <source>1 cause-effect rule</source>
        <translation>1 sebep-sonuç kuralı</translation>
    </message>
    <message>
        <source>%1 cause-effect rules</source>
        <translation>%1 sebep-sonuç kuralı</translation>
    </message>
    <message>
        <source>Pre-upload check: &lt;a href=&quot;#findings&quot;&gt;1 finding&lt;/a&gt;</source>
        <translation>Yükleme öncesi denetim: &lt;a href=&quot;#findings&quot;&gt;1 bulgu&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Main commands</source>
        <translation>Ana komutlar</translation>
    </message>
    <message>
        <source>In service lamp</source>
        <translation>Devrede lambası</translation>
    </message>
    <message>
        <source>Pre-upload check: &lt;a href=&quot;#findings&quot;&gt;%1 findings&lt;/a&gt;</source>
        <translation>Yükleme öncesi denetim: &lt;a href=&quot;#findings&quot;&gt;%1 bulgu&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&amp;Site</source>
        <translation>&amp;Saha</translation>
    </message>
    <message>
        <source>Site &amp;data...</source>
        <translation>Saha &amp;verileri...</translation>
    </message>
    <message>
        <source>The site file &quot;%1&quot; could not be read when the configuration was opened. Replace it with the site data now entered?</source>
        <translation>Saha dosyası &quot;%1&quot; yapılandırma açılırken okunamadı. Şimdi girilen saha verileriyle değiştirilsin mi?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>&amp;Walk test...</source>
        <translation>&amp;Yürüme testi...</translation>
    </message>
    <message>
        <source>The site file &quot;%1&quot; beside it belongs to the configuration this one replaces. Replace it too, with this configuration&apos;s (empty) site data?</source>
        <translation>Yanındaki &quot;%1&quot; saha dosyası, bu yapılandırmanın yerini aldığı yapılandırmaya ait. Onu da bu yapılandırmanın (boş) saha verileriyle değiştirelim mi?</translation>
    </message>
    <message>
        <source>Start a new configuration or open one first: the walk test lists its devices.</source>
        <translation>Önce yeni bir yapılandırma başlatın ya da birini açın: yürüme testi onun cihazlarını listeler.</translation>
    </message>
    <message>
        <source>&amp;Loop and battery calculation...</source>
        <translation>Çevrim yükü ve akü &amp;hesabı...</translation>
    </message>
    <message>
        <source>Start a new configuration or open one first: the calculation counts its devices.</source>
        <translation>Önce yeni bir yapılandırma başlatın ya da birini açın: hesap onun cihazlarını sayar.</translation>
    </message>
</context>
<context>
    <name>vaz::mcuV</name>
    <message>
        <source>Select MCU Version</source>
        <translation>MCU sürümünü seçin</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>vaz::site::LoopCalcWords</name>
    <message>
        <source>no currents for %1</source>
        <translation>%1 için akım yok</translation>
    </message>
    <message>
        <source>no cable length with cross-section or Ω per km</source>
        <translation>kesitiyle ya da km başına Ω ile kablo uzunluğu yok</translation>
    </message>
    <message>
        <source>no loop output voltage</source>
        <translation>çevrim çıkış gerilimi yok</translation>
    </message>
    <message>
        <source>no device minimum voltage</source>
        <translation>cihaz en düşük gerilimi yok</translation>
    </message>
    <message>
        <source>no panel quiescent and alarm current</source>
        <translation>panel sükûnet ve alarm akımı yok</translation>
    </message>
    <message>
        <source>C / 20 = %1 A ≥ %2: D = 1</source>
        <translation>C / 20 = %1 A ≥ %2: D = 1</translation>
    </message>
    <message>
        <source>C / 20 = %1 A &lt; %2: D = 1.75</source>
        <translation>C / 20 = %1 A &lt; %2: D = 1.75</translation>
    </message>
    <message>
        <source>not calculated: %1</source>
        <translation>hesaplanmadı: %1</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>uygun</translation>
    </message>
    <message>
        <source>fail with the whole load at the far end, pass with it spread evenly</source>
        <translation>tüm yük uçta iken uygun değil, eşit dağılınca uygun</translation>
    </message>
    <message>
        <source>fail</source>
        <translation>uygun değil</translation>
    </message>
    <message>
        <source>Loop %1: %2</source>
        <translation>Çevrim %1: %2</translation>
    </message>
    <message>
        <source>  %1 × %2: quiescent %3 mA, alarm %4 mA each</source>
        <translation>  %1 × %2: her biri sükûnette %3 mA, alarmda %4 mA</translation>
    </message>
    <message>
        <source>  Total: quiescent %1 mA, alarm %2 mA</source>
        <translation>  Toplam: sükûnet %1 mA, alarm %2 mA</translation>
    </message>
    <message>
        <source>  Loop resistance: %1 Ω</source>
        <translation>  Çevrim direnci: %1 Ω</translation>
    </message>
    <message>
        <source>  At the far end: %1 V with the whole alarm load there, %2 V with it spread evenly; the devices need %3 V</source>
        <translation>  En uçta: tüm alarm yükü orada iken %1 V, eşit dağılınca %2 V; cihazlar %3 V ister</translation>
    </message>
    <message>
        <source>Not calculated: %1</source>
        <translation>Hesaplanmadı: %1</translation>
    </message>
    <message>
        <source>Standby current %1, alarm current %2</source>
        <translation>Bekleme akımı %1, alarm akımı %2</translation>
    </message>
    <message>
        <source>Battery capacity: %1 Ah</source>
        <translation>Akü kapasitesi: %1 Ah</translation>
    </message>
    <message>
        <source>LOOP LOAD</source>
        <translation>ÇEVRİM YÜKÜ</translation>
    </message>
    <message>
        <source>BATTERY (%1)</source>
        <translation>AKÜ (%1)</translation>
    </message>
</context>
<context>
    <name>vaz::site::SiteFileWords</name>
    <message>
        <source>it is larger than 4 MiB</source>
        <translation>4 MiB&apos;tan büyük</translation>
    </message>
    <message>
        <source>it is not a JSON object</source>
        <translation>bir JSON nesnesi değil</translation>
    </message>
    <message>
        <source>it has format %1, which only a newer version reads</source>
        <translation>biçimi %1; bunu yalnızca daha yeni bir sürüm okur</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is not of the right kind</source>
        <translation>&quot;%1&quot; alanı doğru türde değil</translation>
    </message>
    <message>
        <source>the zone name in &quot;%1&quot; is longer than %2 characters</source>
        <translation>&quot;%1&quot; içindeki bölge adı %2 karakterden uzun</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is out of range</source>
        <translation>&quot;%1&quot; alanı aralığın dışında</translation>
    </message>
    <message>
        <source>The site file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Saha dosyası &quot;%1&quot; okunamıyor: %2.</translation>
    </message>
</context>
<context>
    <name>vaz::site::WalkTest</name>
    <message>
        <source>Not tested</source>
        <translation>Test edilmedi</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Geçti</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Kaldı</translation>
    </message>
    <message>
        <source>Tested %1 of %2, failed %3</source>
        <translation>%2 cihazdan %1 test edildi, %3 kaldı</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Kalan: %1</translation>
    </message>
    <message>
        <source>Not tested: %1</source>
        <translation>Test edilmeyen: %1</translation>
    </message>
    <message>
        <source>The file has no Loop, Address and Result columns: nothing can be imported.</source>
        <translation>Dosyada Loop, Address ve Result sütunları yok: hiçbir şey içe aktarılamaz.</translation>
    </message>
    <message>
        <source>Results that change: %1. Rows refused: %2. Devices unknown: %3.</source>
        <translation>Değişecek sonuçlar: %1. Reddedilen satırlar: %2. Bilinmeyen cihazlar: %3.</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>no such loop or address</source>
        <translation>böyle bir çevrim ya da adres yok</translation>
    </message>
    <message>
        <source>the result is not Passed, Failed or Not tested</source>
        <translation>sonuç Passed, Failed ya da Not tested değil</translation>
    </message>
    <message>
        <source>the time cannot be read</source>
        <translation>zaman okunamıyor</translation>
    </message>
    <message>
        <source>the remark is longer than 200 characters</source>
        <translation>not 200 karakterden uzun</translation>
    </message>
    <message>
        <source>the device is named a second time</source>
        <translation>cihaz ikinci kez geçiyor</translation>
    </message>
    <message>
        <source>Row %1 refused: %2 (&quot;%3&quot;)</source>
        <translation>%1. satır reddedildi: %2 (&quot;%3&quot;)</translation>
    </message>
    <message>
        <source>Row %1: no input device at %2</source>
        <translation>%1. satır: %2 konumunda giriş cihazı yok</translation>
    </message>
</context>
<context>
    <name>vaz::storage::FileWords</name>
    <message>
        <source>it is a folder</source>
        <translation>bu bir klasör</translation>
    </message>
    <message>
        <source>it is a pipe</source>
        <translation>bu bir kanal (pipe)</translation>
    </message>
    <message>
        <source>it is a device</source>
        <translation>bu bir aygıt</translation>
    </message>
    <message>
        <source>it is a socket</source>
        <translation>bu bir soket</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>bu sıradan bir dosya değil</translation>
    </message>
    <message>
        <source>it changed while it was opened</source>
        <translation>açılırken değişti</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>&quot;%1&quot; dosyası açılamıyor: %2.</translation>
    </message>
    <message>
        <source>the zone of device record %1</source>
        <translation>%1. cihaz kaydının bölgesi</translation>
    </message>
    <message>
        <source>the type of device record %1</source>
        <translation>%1. cihaz kaydının tipi</translation>
    </message>
    <message>
        <source>the bypass of device record %1</source>
        <translation>%1. cihaz kaydının gecikme atlaması</translation>
    </message>
    <message>
        <source>the event type of device record %1</source>
        <translation>%1. cihaz kaydının olay tipi</translation>
    </message>
    <message>
        <source>the delay of device record %1</source>
        <translation>%1. cihaz kaydının gecikmesi</translation>
    </message>
    <message>
        <source>the output event fire of device record %1</source>
        <translation>%1. cihaz kaydının yangın çıkış olayı</translation>
    </message>
    <message>
        <source>the output event fault of device record %1</source>
        <translation>%1. cihaz kaydının arıza çıkış olayı</translation>
    </message>
    <message>
        <source>the name of cause-effect %1</source>
        <translation>%1. sebep-sonucun adı</translation>
    </message>
    <message>
        <source>the inputs of cause-effect %1</source>
        <translation>%1. sebep-sonucun girişleri</translation>
    </message>
    <message>
        <source>the outputs of cause-effect %1</source>
        <translation>%1. sebep-sonucun çıkışları</translation>
    </message>
    <message>
        <source>the condition of cause-effect %1</source>
        <translation>%1. sebep-sonucun koşulu</translation>
    </message>
    <message>
        <source>the identification line</source>
        <translation>tanıtım satırı</translation>
    </message>
    <message>
        <source>the supplier&apos;s name</source>
        <translation>tedarikçi adı</translation>
    </message>
    <message>
        <source>the panel name</source>
        <translation>panel adı</translation>
    </message>
    <message>
        <source>the loop count</source>
        <translation>çevrim sayısı</translation>
    </message>
    <message>
        <source>the column titles</source>
        <translation>sütun başlıkları</translation>
    </message>
    <message>
        <source>device record %1 of %2</source>
        <translation>cihaz kaydı %1 / %2</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; of device record %2</source>
        <translation>%2. cihaz kaydının &quot;%1&quot; alanı</translation>
    </message>
    <message>
        <source>the title &quot;Delays&quot;</source>
        <translation>&quot;Delays&quot; başlığı</translation>
    </message>
    <message>
        <source>the panel delays</source>
        <translation>panel gecikmeleri</translation>
    </message>
    <message>
        <source>panel delay %1</source>
        <translation>%1. panel gecikmesi</translation>
    </message>
    <message>
        <source>the title &quot;RINGING MODE&quot;</source>
        <translation>&quot;RINGING MODE&quot; başlığı</translation>
    </message>
    <message>
        <source>the ringing mode</source>
        <translation>çalma modu</translation>
    </message>
    <message>
        <source>the cause-effect count</source>
        <translation>sebep-sonuç sayısı</translation>
    </message>
    <message>
        <source>cause-effect %1</source>
        <translation>%1. sebep-sonuç</translation>
    </message>
    <message>
        <source>It is far too large to be a configuration file.</source>
        <translation>Bir yapılandırma dosyası olamayacak kadar büyük.</translation>
    </message>
    <message>
        <source>Line %1: a text opens with a double quote that is never closed.</source>
        <translation>Satır %1: bir metin hiç kapanmayan bir çift tırnakla açılıyor.</translation>
    </message>
    <message>
        <source>Line %1: %2 holds the control character 0x%3.</source>
        <translation>Satır %1: %2, 0x%3 denetim karakterini içeriyor.</translation>
    </message>
    <message>
        <source>Line %1: %2 is &quot;%3&quot;, which is not a number.</source>
        <translation>Satır %1: %2 &quot;%3&quot;; bu bir sayı değil.</translation>
    </message>
    <message>
        <source>Line %1: the title &quot;%2&quot; was expected but &quot;%3&quot; was found.</source>
        <translation>Satır %1: &quot;%2&quot; başlığı bekleniyordu, ama &quot;%3&quot; bulundu.</translation>
    </message>
    <message>
        <source>The file ends too early: %1 is missing (the file stops at line %2).</source>
        <translation>Dosya çok erken bitiyor: %1 eksik (dosya %2. satırda bitiyor).</translation>
    </message>
    <message>
        <source>Line %1: the file goes on after the end of the configuration.</source>
        <translation>Satır %1: dosya, yapılandırmanın sonundan sonra da sürüyor.</translation>
    </message>
    <message>
        <source>Line %1: the cause-effect count &quot;%2&quot; is not a count.</source>
        <translation>Satır %1: sebep-sonuç sayısı &quot;%2&quot; geçerli bir sayı değil.</translation>
    </message>
    <message>
        <source>Line %1: the loop count &quot;%2&quot; is not a number.</source>
        <translation>Satır %1: çevrim sayısı &quot;%2&quot; bir sayı değil.</translation>
    </message>
    <message>
        <source>Line %1: device record %2 names loop &quot;%3&quot;, address &quot;%4&quot;; loops are 1 to %5 and addresses 1 to %6.</source>
        <translation>Satır %1: %2. cihaz kaydı çevrim &quot;%3&quot;, adres &quot;%4&quot; gösteriyor; çevrimler 1 ile %5, adresler 1 ile %6 arasındadır.</translation>
    </message>
    <message>
        <source>Line %1: %2 is &quot;%3&quot;, which does not fit a 16-bit field.</source>
        <translation>Satır %1: %2 &quot;%3&quot;; bu değer 16 bitlik bir alana sığmıyor.</translation>
    </message>
    <message>
        <source>Line %1: the file holds %2 cause-effect rules; at most %3 are possible.</source>
        <translation>Satır %1: dosyada %2 sebep-sonuç kuralı var; en çok %3 olabilir.</translation>
    </message>
    <message>
        <source>Wrong file type</source>
        <translation>Yanlış dosya tipi</translation>
    </message>
    <message>
        <source>This file was written for MCU version %1. Choose that version with File &gt; MCU Version and open it again.</source>
        <translation>Bu dosya MCU sürümü %1 için yazılmış. Dosya &gt; MCU Sürümü ile o sürümü seçip dosyayı yeniden açın.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Dosya okunamıyor.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>&quot;%1&quot; dosyası okunamıyor.</translation>
    </message>
    <message>
        <source> The configuration was not changed.</source>
        <translation> Yapılandırma değiştirilmedi.</translation>
    </message>
    <message>
        <source>it is a link to nothing</source>
        <translation>hiçbir yeri göstermeyen bir bağlantı</translation>
    </message>
    <message>
        <source>it is a link to something that is not a file</source>
        <translation>dosya olmayan bir şeye bağlantı</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>salt okunur</translation>
    </message>
    <message>
        <source>the disk is full (the file needs %1, %2 are free)</source>
        <translation>disk dolu (dosyaya %1 gerekli, %2 boş)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>okunamıyor</translation>
    </message>
</context>
<context>
    <name>vaz::storage::Paper</name>
    <message>
        <source>list item %1,%2</source>
        <translation>liste öğesi %1,%2</translation>
    </message>
    <message>
        <source>(no device)</source>
        <translation>(cihaz yok)</translation>
    </message>
    <message>
        <source>(unknown type %1)</source>
        <translation>(bilinmeyen tip %1)</translation>
    </message>
    <message>
        <source>Cause-effect</source>
        <translation>Sebep-sonuç</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Supplier:</source>
        <translation>Tedarikçi:</translation>
    </message>
    <message>
        <source>Panel name:</source>
        <translation>Panel adı:</translation>
    </message>
    <message>
        <source>Firmware (MCU version):</source>
        <translation>Yazılım (MCU sürümü):</translation>
    </message>
    <message>
        <source>Loop count:</source>
        <translation>Çevrim sayısı:</translation>
    </message>
    <message>
        <source>Devices:</source>
        <translation>Cihazlar:</translation>
    </message>
    <message>
        <source>Cause-effect rules:</source>
        <translation>Sebep-sonuç kuralları:</translation>
    </message>
    <message>
        <source>Operation mode:</source>
        <translation>Çalışma modu:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Dosya:</translation>
    </message>
    <message>
        <source>Date and time:</source>
        <translation>Tarih ve saat:</translation>
    </message>
    <message>
        <source>File SHA-256:</source>
        <translation>Dosya SHA-256:</translation>
    </message>
    <message>
        <source>of the file as saved on disk</source>
        <translation>diske kaydedildiği hâliyle dosyanın</translation>
    </message>
    <message>
        <source>of the bytes a save would write: the configuration on screen is not saved as it is</source>
        <translation>bir kaydetmenin yazacağı baytların: ekrandaki yapılandırma bu hâliyle kaydedilmedi</translation>
    </message>
    <message>
        <source>Panel fingerprint:</source>
        <translation>Panel parmak izi:</translation>
    </message>
    <message>
        <source>none: an upload would refuse this configuration</source>
        <translation>yok: yükleme bu yapılandırmayı reddederdi</translation>
    </message>
    <message>
        <source>of the bytes an upload sends, the same for the file and a download of it</source>
        <translation>bir yüklemenin gönderdiği baytların; dosya ve onun indirilmişi için aynı</translation>
    </message>
    <message>
        <source>Verified in the panel on %1 by %2 from %3</source>
        <translation>Panelde %1 tarihinde %2 tarafından %3 üzerinden doğrulandı</translation>
    </message>
    <message>
        <source>No verified upload of it in this computer&apos;s transfer log</source>
        <translation>Bu bilgisayarın aktarım günlüğünde doğrulanmış bir yüklemesi yok</translation>
    </message>
    <message>
        <source>Commissioning engineer:</source>
        <translation>Devreye alma mühendisi:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>Signature:</source>
        <translation>İmza:</translation>
    </message>
    <message>
        <source>    Date: </source>
        <translation>    Tarih: </translation>
    </message>
    <message>
        <source>COMMISSIONING REPORT</source>
        <translation>DEVREYE ALMA RAPORU</translation>
    </message>
    <message>
        <source>1 device</source>
        <translation>1 cihaz</translation>
    </message>
    <message>
        <source>%1 devices</source>
        <translation>%1 cihaz</translation>
    </message>
    <message>
        <source>no zone</source>
        <translation>bölgesiz</translation>
    </message>
    <message>
        <source>zone </source>
        <translation>bölge </translation>
    </message>
    <message>
        <source>%1: %2 of%3</source>
        <translation>%1: %2 ile%3</translation>
    </message>
    <message>
        <source>no condition</source>
        <translation>koşulsuz</translation>
    </message>
    <message>
        <source> no inputs</source>
        <translation> giriş yok</translation>
    </message>
    <message>
        <source>→ no outputs</source>
        <translation>→ çıkış yok</translation>
    </message>
    <message>
        <source>Commissioning report %1</source>
        <translation>Devreye alma raporu %1</translation>
    </message>
    <message>
        <source>DEVICE SCHEDULE BY LOOP: loop %1, %2</source>
        <translation>ÇEVRİME GÖRE CİHAZ LİSTESİ: çevrim %1, %2</translation>
    </message>
    <message>
        <source>DEVICE SCHEDULE BY ZONE: %1, %2</source>
        <translation>BÖLGEYE GÖRE CİHAZ LİSTESİ: %1, %2</translation>
    </message>
    <message>
        <source>Tested</source>
        <translation>Test edildi</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Bölge</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Mahal</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Cihaz</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Result, remarks</source>
        <translation>Sonuç, notlar</translation>
    </message>
    <message>
        <source>WALK-TEST SHEET</source>
        <translation>YÜRÜYEREK TEST FORMU</translation>
    </message>
    <message>
        <source>Tick each device once it has been operated and its zone and outputs were seen at the panel.</source>
        <translation>Her cihazı, çalıştırılıp bölgesi ve çıkışları panelde görüldükten sonra işaretleyin.</translation>
    </message>
    <message>
        <source>Tested by: </source>
        <translation>Test eden: </translation>
    </message>
    <message>
        <source>WALK TEST: %1, %2</source>
        <translation>YÜRÜYEREK TEST: %1, %2</translation>
    </message>
    <message>
        <source>%1    page %2 of %3    %4</source>
        <translation>%1    sayfa %2 / %3    %4</translation>
    </message>
    <message>
        <source>Rules: </source>
        <translation>Kurallar: </translation>
    </message>
    <message>
        <source>Result, remarks: </source>
        <translation>Sonuç, notlar: </translation>
    </message>
    <message>
        <source>OUTPUT TEST SHEET</source>
        <translation>ÇIKIŞ TEST FORMU</translation>
    </message>
    <message>
        <source>Tick each output once it has operated for what sets it off.</source>
        <translation>Her çıkışı, onu çalıştıran şey için çalıştıktan sonra işaretleyin.</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>hiçbir şey</translation>
    </message>
    <message>
        <source>Trigger:</source>
        <translation>Tetiklenecek:</translation>
    </message>
    <message>
        <source>Must operate:</source>
        <translation>Çalışması gereken:</translation>
    </message>
    <message>
        <source>operated</source>
        <translation>çalıştı</translation>
    </message>
    <message>
        <source>did not operate</source>
        <translation>çalışmadı</translation>
    </message>
    <message>
        <source>Remarks: </source>
        <translation>Notlar: </translation>
    </message>
    <message>
        <source>CAUSE-EFFECT TEST SHEET</source>
        <translation>SEBEP-SONUÇ TEST FORMU</translation>
    </message>
    <message>
        <source>Trigger each rule&apos;s inputs as its condition asks and tick what the outputs did.</source>
        <translation>Her kuralın girişlerini koşulunun istediği gibi tetikleyin ve çıkışların ne yaptığını işaretleyin.</translation>
    </message>
    <message>
        <source>CAUSE-EFFECT MATRIX, rules %1 to %2 of %3 (I: input, O: output; each rule is spelled out on the cause-effect test sheet)</source>
        <translation>SEBEP-SONUÇ MATRİSİ, %3 kuraldan %1 - %2 (I: giriş, O: çıkış; her kural sebep-sonuç test formunda açıkça yazılıdır)</translation>
    </message>
    <message>
        <source>rule %1 &apos;%2&apos;</source>
        <translation>kural %1 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the ringing mode is Common: the panel&apos;s common outputs ring</source>
        <translation>çalma modu Genel: panelin genel çıkışları çalar</translation>
    </message>
    <message>
        <source>Set off by: </source>
        <translation>Çalıştıran: </translation>
    </message>
    <message>
        <source>a fire in zone %1</source>
        <translation>bölge %1 yangını</translation>
    </message>
    <message>
        <source>a fault in zone %1</source>
        <translation>bölge %1 arızası</translation>
    </message>
    <message>
        <source>LOOP LOAD CALCULATION</source>
        <translation>ÇEVRİM YÜKÜ HESABI</translation>
    </message>
    <message>
        <source>BATTERY CALCULATION (%1)</source>
        <translation>AKÜ HESABI (%1)</translation>
    </message>
</context>
<context>
    <name>vaz::storage::ReportPrinter</name>
    <message>
        <source>&quot;%1&quot; is not a PDF file; the report was not written over it.</source>
        <translation>&quot;%1&quot; bir PDF dosyası değil; rapor onun üzerine yazılmadı.</translation>
    </message>
    <message>
        <source>nothing could be drawn</source>
        <translation>hiçbir şey çizilemedi</translation>
    </message>
    <message>
        <source>the PDF could not be written whole</source>
        <translation>PDF tam olarak yazılamadı</translation>
    </message>
    <message>
        <source>The report could not be written to &quot;%1&quot;: %2.</source>
        <translation>Rapor &quot;%1&quot; dosyasına yazılamadı: %2.</translation>
    </message>
    <message>
        <source>The report could not be sent to the printer &quot;%1&quot;.</source>
        <translation>Rapor &quot;%1&quot; yazıcısına gönderilemedi.</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Baskı önizleme</translation>
    </message>
</context>
<context>
    <name>vaz::storage::ScheduleWords</name>
    <message>
        <source>a line break</source>
        <translation>satır sonu</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>sekme</translation>
    </message>
    <message>
        <source>a NUL character</source>
        <translation>NUL karakteri</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>denetim karakteri</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>boş</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; bir sayı değil</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 tam sayı değil</translation>
    </message>
    <message>
        <source>%1 is below %2</source>
        <translation>%1, %2 değerinin altında</translation>
    </message>
    <message>
        <source>%1 is above %2</source>
        <translation>%1, %2 değerinin üstünde</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not yes or no</source>
        <translation>&apos;%1&apos; geçersiz: yes ya da no olmalı</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not Fire or Fault</source>
        <translation>&apos;%1&apos; geçersiz: Fire ya da Fault olmalı</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a device type</source>
        <translation>&apos;%1&apos; bir cihaz tipi değil</translation>
    </message>
    <message>
        <source>does not apply to a %1</source>
        <translation>%1 için geçerli değil</translation>
    </message>
    <message>
        <source>%1 characters, at most %2 fit</source>
        <translation>%1 karakter, en çok %2 sığar</translation>
    </message>
    <message>
        <source>%1 cannot be sent to the panel</source>
        <translation>%1 panele gönderilemez</translation>
    </message>
    <message>
        <source>%1 needs a zone</source>
        <translation>%1 için bir bölge gerekir</translation>
    </message>
    <message>
        <source>cause-effect %1 uses it as an input</source>
        <translation>sebep-sonuç %1 onu giriş olarak kullanıyor</translation>
    </message>
    <message>
        <source>cause-effect %1 uses it as an output</source>
        <translation>sebep-sonuç %1 onu çıkış olarak kullanıyor</translation>
    </message>
    <message>
        <source>there is no column %1</source>
        <translation>%1 sütunu yok</translation>
    </message>
    <message>
        <source>loop %1 but the configuration has %2 loop</source>
        <translation>çevrim %1, ama yapılandırmada %2 çevrim var</translation>
    </message>
    <message>
        <source>loop %1 but the configuration has %2 loops</source>
        <translation>çevrim %1, ama yapılandırmada %2 çevrim var</translation>
    </message>
    <message>
        <source>address %1 of loop %2 appears twice</source>
        <translation>çevrim %2 adres %1 iki kez geçiyor</translation>
    </message>
    <message>
        <source>%1 is missing, but cause-effect %2 uses it: it cannot be removed</source>
        <translation>%1 listede yok, ama sebep-sonuç %2 onu kullanıyor: kaldırılamaz</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Satır %1: %2</translation>
    </message>
    <message>
        <source>Row %1, %2: %3</source>
        <translation>Satır %1, %2: %3</translation>
    </message>
    <message>
        <source>the workbook part</source>
        <translation>çalışma kitabı bölümü</translation>
    </message>
    <message>
        <source>the workbook&apos;s relationships</source>
        <translation>çalışma kitabının ilişkileri</translation>
    </message>
    <message>
        <source>the sheet</source>
        <translation>sayfa</translation>
    </message>
    <message>
        <source>the shared strings</source>
        <translation>paylaşılan metinler</translation>
    </message>
    <message>
        <source>it has more than 10,000 rows</source>
        <translation>10.000&apos;den fazla satırı var</translation>
    </message>
    <message>
        <source>row %1 has a filled cell beyond column %2</source>
        <translation>%1. satırda %2. sütunun ötesinde dolu bir hücre var</translation>
    </message>
    <message>
        <source>it is not an Excel workbook</source>
        <translation>bu bir Excel çalışma kitabı değil</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 eksik</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 bozuk</translation>
    </message>
    <message>
        <source>%1 is larger than 16 MB</source>
        <translation>%1 16 MB&apos;tan büyük</translation>
    </message>
    <message>
        <source>%1 are damaged</source>
        <translation>%1 bozuk</translation>
    </message>
    <message>
        <source>the sheet is damaged before its first row</source>
        <translation>sayfa ilk satırından önce bozuk</translation>
    </message>
    <message>
        <source>the sheet is damaged after row %1</source>
        <translation>sayfa %1. satırdan sonra bozuk</translation>
    </message>
    <message>
        <source>: it names shared strings, which the workbook lacks</source>
        <translation>: çalışma kitabında olmayan paylaşılan metinlere başvuruyor</translation>
    </message>
    <message>
        <source>: it names a shared string that the workbook lacks</source>
        <translation>: çalışma kitabında olmayan bir paylaşılan metne başvuruyor</translation>
    </message>
    <message>
        <source>This build of the tool cannot handle Excel files; use CSV.</source>
        <translation>Aracın bu sürümü Excel dosyalarını işleyemiyor; CSV kullanın.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2</source>
        <translation>&quot;%1&quot; dosyası okunamadı: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large to be a schedule.</source>
        <translation>&quot;%1&quot; dosyası bir cihaz listesi olamayacak kadar büyük.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be imported: %2.</source>
        <translation>&quot;%1&quot; dosyası içe aktarılamıyor: %2.</translation>
    </message>
    <message>
        <source>The schedule matches the configuration: nothing will change.</source>
        <translation>Liste yapılandırmayla aynı: hiçbir şey değişmeyecek.</translation>
    </message>
    <message>
        <source>1 device</source>
        <translation>1 cihaz</translation>
    </message>
    <message>
        <source>%1 devices</source>
        <translation>%1 cihaz</translation>
    </message>
    <message>
        <source>%1 will be added, %2 changed and %3 removed.</source>
        <translation>%1 eklenecek, %2 değiştirilecek ve %3 kaldırılacak.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ve %1 tane daha</translation>
    </message>
    <message>
        <source>The schedule matched the configuration: nothing changed.</source>
        <translation>Liste yapılandırmayla aynıydı: hiçbir şey değişmedi.</translation>
    </message>
    <message>
        <source>%1 added, %2 changed and %3 removed.</source>
        <translation>%1 eklendi, %2 değiştirildi ve %3 kaldırıldı.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Değiştir</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Çevrim</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Bölge</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Mahal</translation>
    </message>
    <message>
        <source>Bypass</source>
        <translation>Gecikme atlama</translation>
    </message>
    <message>
        <source>Input event</source>
        <translation>Giriş olayı</translation>
    </message>
    <message>
        <source>Output event</source>
        <translation>Çıkış olayı</translation>
    </message>
    <message>
        <source>Output delay</source>
        <translation>Çıkış gecikmesi</translation>
    </message>
    <message>
        <source>Fire zone</source>
        <translation>Yangın bölgesi</translation>
    </message>
    <message>
        <source>Fault zone</source>
        <translation>Arıza bölgesi</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>evet</translation>
    </message>
    <message>
        <source>no</source>
        <translation>hayır</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Yangın</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Arıza</translation>
    </message>
    <message>
        <source>Panel output</source>
        <translation>Panel çıkışı</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
</context>
</TS>
