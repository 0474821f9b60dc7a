<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutBox</name>
    <message>
        <location filename="../guide/about_box.cpp" line="+19"/>
        <source>About Orvanta</source>
        <translation>Orvanta について</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Orvanta %1
A weekly schedule book.

Your weeks are kept in:
%2

© The makers of Orvanta. All rights reserved.
Orvanta is built with Qt %3 (GNU LGPL version 3), SQLite (public domain) and libmdb of mdbtools (GNU LGPL), which reads the earlier Windows program&apos;s files.</source>
        <translation>Orvanta %1
週間スケジュール帳

週の保存先:
%2

© Orvanta の開発者。All rights reserved.
Orvanta は Qt %3（GNU LGPL バージョン 3）、SQLite（パブリックドメイン）、および以前の Windows 用プログラムのファイルを読み込む mdbtools の libmdb（GNU LGPL）を使って作られています。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>About &amp;Qt</source>
        <translation>Qt について(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>BackupSchedule</name>
    <message>
        <location filename="../main_window/backup_schedule.cpp" line="+60"/>
        <source>%1 is damaged (%2). No copy was made of it today, so the copies in %3 are all from before.</source>
        <translation>%1 は壊れています（%2）。今日はコピーを作成しなかったため、%3 にあるコピーはすべてそれより前のものです。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source> There is no backup of it yet.</source>
        <translation>このファイルのバックアップはまだありません。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> The newest backup is %1: to go back to it, close Orvanta and copy it over %2.</source>
        <translation>最新のバックアップは %1 です。このバックアップに戻すには、Orvanta を終了してから、このファイルを %2 に上書きコピーしてください。</translation>
    </message>
</context>
<context>
    <name>CalendarConnection</name>
    <message>
        <location filename="../schedule/calendar_connection.cpp" line="+73"/>
        <source>unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>is in use by another program.</source>
        <translation>は別のプログラムが使用中です。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is damaged (%1).</source>
        <translation>は壊れています（%1）。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>does not exist.</source>
        <translation>は存在しません。</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>cannot be opened (%1).</source>
        <translation>を開けません（%1）。</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>is not an SQLite database.</source>
        <translation>は SQLite データベースではありません。</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+24"/>
        <location line="+5"/>
        <source>cannot be read</source>
        <translation>を読み込めません</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>has no table tblCalendar.</source>
        <translation>には tblCalendar テーブルがありません。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>has a table tblCalendar without the columns StartWeekDate and WeekData (%1).</source>
        <translation>の tblCalendar テーブルには StartWeekDate 列と WeekData 列がありません（%1）。</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>has code that would run when a week is saved (the trigger %1 on tblCalendar). Orvanta does not run code kept in its database: remove the trigger with another tool.</source>
        <translation>には、週を保存するときに実行されるコード（tblCalendar のトリガー %1）があります。Orvanta はデータベースに保存されたコードを実行しません。別のツールでトリガーを削除してください。</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+5"/>
        <location line="+12"/>
        <location line="+14"/>
        <location line="+24"/>
        <location line="+8"/>
        <source>could not be read</source>
        <translation>を読み込めませんでした</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>could not be written</source>
        <translation>に書き込めませんでした</translation>
    </message>
</context>
<context>
    <name>CalendarDiscovery</name>
    <message>
        <location filename="../sync/calendar_discovery.cpp" line="+51"/>
        <source>The server refused the user name or password.</source>
        <translation>サーバーがユーザー名またはパスワードを拒否しました。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 answered %2: it is no CalDAV address.</source>
        <translation>%1 の応答は %2 でした。CalDAV のアドレスではありません。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The answer of %1 was damaged or cut short.</source>
        <translation>%1 の応答が壊れているか、途中で切れていました。</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>%1 does not say where the calendars are.</source>
        <translation>%1 はカレンダーの場所を示していません。</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>The server refused to make the calendar %1 (%2).</source>
        <translation>サーバーがカレンダー %1 の作成を拒否しました（%2）。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The server refused to make the calendar %1.</source>
        <translation>サーバーがカレンダー %1 の作成を拒否しました。</translation>
    </message>
</context>
<context>
    <name>CalendarFiles</name>
    <message>
        <location filename="../schedule/calendar_files.cpp" line="+34"/>
        <source>%1 already exists; left as it is.</source>
        <translation>%1 はすでに存在するため、そのままにしました。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>cannot create %1: %2</source>
        <translation>%1 を作成できません: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseSession</name>
    <message>
        <location filename="../main_window/database_session.cpp" line="+34"/>
        <source>%1 not found.</source>
        <translation>%1 が見つかりません。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not a database file.</source>
        <translation>%1 はデータベースファイルではありません。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 is open in another Orvanta that cannot be reached (process %2).</source>
        <translation>%1 は、通信できない別の Orvanta で開かれています（プロセス %2）。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is open in Orvanta on the computer %2. Close it there first: Orvanta ends here without changing anything.</source>
        <translation>%1 はコンピューター %2 の Orvanta で開かれています。先にそちらで閉じてください。こちらの Orvanta は何も変更せずに終了します。</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The draft %1 cannot be read (%2). Move it away to start Orvanta; it may hold typing that was never saved.</source>
        <translation>下書き %1 を読み込めません（%2）。Orvanta を起動するには、このファイルを別の場所へ移動してください。保存されていない入力が含まれている可能性があります。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The texts of the week of %1, typed before Orvanta last ended without saving them, could not be recovered: %2

They are kept in %3 for the next start.</source>
        <translation>前回 Orvanta が保存せずに終了したため、%1の週の入力内容を復元しようとしましたが、復元できませんでした: %2

入力内容は次回の起動に備えて %3 に残してあります。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Orvanta last ended without saving the week of %1. Its texts as last typed have been recovered.</source>
        <translation>前回 Orvanta は%1の週を保存せずに終了しました。最後に入力された内容を復元しました。</translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <location filename="../sync/dav_client.cpp" line="+171"/>
        <source>The answer of %1 was larger than %2 MB.</source>
        <translation>%1 の応答が %2 MB を超えていました。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The certificate of %1 cannot be verified. Its SHA-256 fingerprint is %2.</source>
        <translation>%1 の証明書を検証できません。SHA-256 フィンガープリントは %2 です。</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+41"/>
        <source>The sync was stopped.</source>
        <translation>同期を中止しました。</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>%1 did not answer in time.</source>
        <translation>%1 から時間内に応答がありませんでした。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot be reached: %2</source>
        <translation>%1 に接続できません: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 answered in an encoding Orvanta did not ask for (%2).</source>
        <translation>%1 が、Orvanta が要求していないエンコーディング（%2）で応答しました。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The answer of %1 was cut off.</source>
        <translation>%1 の応答が途中で切れていました。</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>%1 sent Orvanta to another server, or away from HTTPS; it did not follow.</source>
        <translation>%1 が Orvanta を別のサーバー、または HTTPS 以外の接続先へ転送しようとしたため、転送先には接続しませんでした。</translation>
    </message>
</context>
<context>
    <name>EarlierProgramConversion</name>
    <message>
        <location filename="../conversion/earlier_program_conversion.cpp" line="+79"/>
        <source>A new database for Orvanta could not be written in %1: %2. Nothing was changed; %3 is as it was.</source>
        <translation>%1 に Orvanta 用の新しいデータベースを書き込めませんでした: %2。何も変更されていません。%3 は元のままです。</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>the new file could not be written to the disk</source>
        <translation>新しいファイルをディスクに書き込めませんでした</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>The conversion was cancelled. Nothing was changed.</source>
        <translation>変換を中止しました。何も変更されていません。</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the new database did not pass its check</source>
        <translation>新しいデータベースが検査に合格しませんでした</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the new database does not hold every week</source>
        <translation>新しいデータベースにすべての週が入っていません</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the new database does not read back as written</source>
        <translation>新しいデータベースを読み直すと、書き込んだ内容と一致しません</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the original could not be kept as %1 (%2)</source>
        <translation>元のファイルを %1 として残せませんでした（%2）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>every name for keeping the original is taken</source>
        <translation>元のファイルを残すための名前がすべて使われています</translation>
    </message>
</context>
<context>
    <name>EarlierProgramOffer</name>
    <message>
        <location filename="../main_window/earlier_program_offer.cpp" line="+26"/>
        <source>Reading the weeks of the earlier program…</source>
        <translation>以前のプログラムの週を読み込んでいます…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>Reading the weeks of the earlier program… %Ln row(s)</source>
        <translation>
            <numerusform>以前のプログラムの週を読み込んでいます… %Ln 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%1 was written by the earlier Windows program. Copy its %Ln week(s) into a new database for Orvanta? The original is kept unchanged as %2.</source>
        <translation>
            <numerusform>%1 は以前の Windows プログラムが書き込んだファイルです。その %Ln 週分を Orvanta の新しいデータベースにコピーしますか? 元のファイルは %2 として変更せずに残します。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%Ln week(s) came over from the earlier program.</source>
        <translation>
            <numerusform>以前のプログラムから %Ln 週分を移しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source> %Ln of them were stored with day and month swapped, as day-first date settings wrote them, and now lie under their right Sunday.</source>
        <translation>
            <numerusform>そのうち %Ln 週分は、日を先に書く日付設定で保存されたため日と月が入れ替わっていましたが、正しい日曜日の週に置き直しました。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source> The original is kept as %1.</source>
        <translation>元のファイルは %1 として残してあります。</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source> %Ln row(s) that cannot be weeks are kept, with their full texts, in %1.</source>
        <translation>
            <numerusform>週として扱えない %Ln 行は、文章全体とともに %1 に保存してあります。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source> Orvanta shows the week of %1, the newest that came over.</source>
        <translation>移した週のうち最も新しい、%1の週を表示します。</translation>
    </message>
</context>
<context>
    <name>EarlierWeekRows</name>
    <message>
        <location filename="../conversion/earlier_week_rows.cpp" line="+69"/>
        <source>%1 could not be read as a database of the earlier program: %2. Nothing was changed.</source>
        <translation>%1 を以前のプログラムのデータベースとして読み込めませんでした: %2。何も変更されていません。</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>its reader, %1, could not be started (%2)</source>
        <translation>読み込み用のプログラム %1 を起動できませんでした（%2）</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>its reader gave rows that make no sense</source>
        <translation>読み込み用のプログラムが意味をなさない行を返しました</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>reading it took longer than %1 seconds</source>
        <translation>読み込みに %1 秒以上かかりました</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>its reader stopped unexpectedly</source>
        <translation>読み込み用のプログラムが予期せず停止しました</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is a database of Microsoft Access, but not the earlier program&apos;s: it has no table tblCalendar. Nothing was changed.</source>
        <translation>%1 は Microsoft Access のデータベースですが、以前のプログラムのものではありません: tblCalendar テーブルがありません。何も変更されていません。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is a database of Microsoft Access, but not the earlier program&apos;s: its table tblCalendar has no columns StartWeekDate (Date/Time) and WeekData (Memo). Nothing was changed.</source>
        <translation>%1 は Microsoft Access のデータベースですが、以前のプログラムのものではありません: tblCalendar テーブルに StartWeekDate 列（日付/時刻型）と WeekData 列（メモ型）がありません。何も変更されていません。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its reader failed</source>
        <translation>読み込み用のプログラムが失敗しました</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its reader ended before the last row</source>
        <translation>読み込み用のプログラムが最後の行より前で終了しました</translation>
    </message>
</context>
<context>
    <name>FindWindow</name>
    <message>
        <location filename="../find_window/find_window.cpp" line="+82"/>
        <source>Find in all weeks</source>
        <translation>すべての週から検索</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Words, or a &quot;phrase&quot;</source>
        <translation>語句、または &quot;フレーズ&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Words to find</source>
        <translation>検索する語句</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Days found</source>
        <translation>見つかった日</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Notes, week of %1</source>
        <translation>メモ（%1の週）</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The weeks cannot be searched: %1</source>
        <translation>週を検索できません: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%Ln result(s)</source>
        <translation>
            <numerusform>%Ln 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>, the newest %Ln listed</source>
        <translation>
            <numerusform>（新しい順に %Ln 件を表示）</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> so far…</source>
        <translation>（検索中…）</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../main_window/form1.cpp" line="+638"/>
        <source>

Close and lose the texts of the week of %1?</source>
        <translation>

閉じて、%1の週の入力内容を破棄しますか?</translation>
    </message>
</context>
<context>
    <name>GoToDateDialog</name>
    <message>
        <location filename="../go_to_date/go_to_date_dialog.cpp" line="+20"/>
        <source>Go to date</source>
        <translation>日付へ移動</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Date:</source>
        <translation>日付(&amp;D):</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+1"/>
        <source>Choose in a calendar</source>
        <translation>カレンダーから選択</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&amp;Go</source>
        <translation>移動(&amp;G)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>%1, %2 or %3</source>
        <translation>%1、%2、%3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 %2</source>
        <comment>a month&apos;s short name and a year, as the field reads them</comment>
        <translation>%2年%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Type a day, such as %1.</source>
        <translation>%1 のように日付を入力してください。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Orvanta cannot read this as a day. Try %1.</source>
        <translation>日付として読み取れません。%1 のように入力してください。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Orvanta&apos;s calendar runs from %1 to %2.</source>
        <translation>Orvanta のカレンダーで扱えるのは%1から%2までです。</translation>
    </message>
</context>
<context>
    <name>GuideText</name>
    <message>
        <location filename="../guide/guide_text.cpp" line="+49"/>
        <source>Keys</source>
        <translation>キー</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>What</source>
        <translation>機能</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Keys</source>
        <comment>the heading of the table of keys</comment>
        <translation>キー操作一覧</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(in the menu)</source>
        <translation>（メニューから）</translation>
    </message>
</context>
<context>
    <name>IconFile</name>
    <message>
        <location filename="../controls/icon_file.cpp" line="+46"/>
        <source>its images hold more pixels than an icon or cursor</source>
        <translation>画像のピクセル数がアイコンやカーソルとしては多すぎます</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+30"/>
        <source>an image is cut short</source>
        <translation>画像が途中で切れています</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>an image has an unknown header</source>
        <translation>画像のヘッダーが不明な形式です</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+75"/>
        <source>an image has an impossible size</source>
        <translation>画像のサイズがありえない値です</translation>
    </message>
    <message>
        <location line="-73"/>
        <source>an image is compressed</source>
        <translation>画像が圧縮されています</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>an image has %1 bits per pixel</source>
        <translation>画像が 1 ピクセルあたり %1 ビットです</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>an image has an impossible palette</source>
        <translation>画像のパレットがありえない内容です</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>there is no memory for an image</source>
        <translation>画像を読み込むためのメモリが足りません</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>an image uses a colour it does not have</source>
        <translation>画像がパレットにない色を使っています</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+9"/>
        <source>an image is an unreadable PNG</source>
        <translation>画像が読み込めない PNG です</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>not an icon or cursor file</source>
        <translation>アイコンファイルでもカーソルファイルでもありません</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the file&apos;s list of images is empty or cut short</source>
        <translation>ファイル内の画像の一覧が空か、途中で切れています</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it lists %1 images, more than an icon or cursor has</source>
        <translation>画像が %1 個あり、アイコンやカーソルとしては多すぎます</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>an image lies outside the file</source>
        <translation>画像がファイルの範囲外にあります</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>it is larger than an icon or cursor file can be</source>
        <translation>アイコンファイルやカーソルファイルとしては大きすぎます</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <location filename="../main_window/main_module.cpp" line="+106"/>
        <source>The skin %1 cannot be used: %2.</source>
        <translation>スキン %1 を使用できません: %2。</translation>
    </message>
</context>
<context>
    <name>MonthView</name>
    <message numerus="yes">
        <location filename="../controls/month_view.cpp" line="+59"/>
        <source>%n line(s)</source>
        <translation>
            <numerusform>%n 行</numerusform>
        </translation>
    </message>
    <message>
        <location line="+145"/>
        <source>Notes: %1</source>
        <translation>メモ: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>today</source>
        <translation>今日</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>has text</source>
        <translation>文字あり</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the week&apos;s notes have text</source>
        <translation>週のメモに文字あり</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, </source>
        <extracomment>Joins what is said of a day: &quot;today, has text&quot;.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 %2</source>
        <extracomment>A month&apos;s title: %1 its name, %2 its year (&quot;December 2026&quot;).</extracomment>
        <translation>%2年%1</translation>
    </message>
    <message>
        <location filename="../controls/month_view_accessible.cpp" line="+322"/>
        <source>Calendar</source>
        <translation>カレンダー</translation>
    </message>
</context>
<context>
    <name>MonthYearChooser</name>
    <message>
        <location filename="../controls/month_year_chooser.cpp" line="+29"/>
        <source>Month and year</source>
        <translation>月と年</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Month</source>
        <translation>月</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <location filename="../desktop/program_folder.cpp" line="+31"/>
        <source>the program&apos;s path %1 names no folder</source>
        <translation>プログラムのパス %1 がフォルダーを示していません</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>its folder %1 cannot be opened (%2)</source>
        <translation>プログラムのフォルダー %1 を開けません（%2）</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>/proc/self/exe cannot be read (%1)</source>
        <translation>/proc/self/exe を読み込めません（%1）</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the system does not say where the program is</source>
        <translation>プログラムの場所をシステムから取得できません</translation>
    </message>
</context>
<context>
    <name>SkinFramework</name>
    <message>
        <location filename="../controls/skin_framework.cpp" line="+56"/>
        <source>the skinning control has no member %1 to be called that way</source>
        <translation>スキンのコントロールには、そのように呼び出せるメンバー %1 がありません</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is larger than a skin can be</source>
        <translation>スキンとしては大きすぎます</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is not UTF-8 text</source>
        <translation>UTF-8 のテキストではありません</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>no skin is loaded</source>
        <translation>スキンが読み込まれていません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no window has the handle %1</source>
        <translation>ハンドル %1 のウィンドウがありません</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a NUL character</source>
        <translation>NUL 文字があります</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a comment is never closed</source>
        <translation>コメントが閉じられていません</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>a quoted text is never closed</source>
        <translation>引用符で囲まれたテキストが閉じられていません</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&apos;}&apos; closes nothing</source>
        <translation>対応する &apos;{&apos; のない &apos;}&apos; があります</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&apos;{&apos; is never closed</source>
        <translation>&apos;{&apos; が閉じられていません</translation>
    </message>
</context>
<context>
    <name>SmallFile</name>
    <message>
        <location filename="../files/small_file.cpp" line="+92"/>
        <source>it is not a file but a folder, a device or a pipe</source>
        <translation>ファイルではなく、フォルダー、デバイス、またはパイプです</translation>
    </message>
</context>
<context>
    <name>SpellCheck</name>
    <message>
        <location filename="../spelling/spell_check.cpp" line="+200"/>
        <source>Check spelling</source>
        <translation>スペルチェック</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>No suggestions</source>
        <translation>候補なし</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add to dictionary</source>
        <translation>辞書に追加</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Ignore</source>
        <translation>無視</translation>
    </message>
</context>
<context>
    <name>SyncCommand</name>
    <message>
        <location filename="../cli/sync_command.cpp" line="+57"/>
        <source>%1 takes a value.</source>
        <translation>%1 には値を指定します。</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>--timeout takes a number of seconds.</source>
        <translation>--timeout には秒数を指定します。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>sync has no option %1.</source>
        <translation>sync には %1 というオプションはありません。</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>never</source>
        <translation>なし</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+105"/>
        <source>Sync is not set up: orvanta-cli sync --setup URL --user NAME --password-stdin</source>
        <translation>同期が設定されていません: orvanta-cli sync --setup URL --user NAME --password-stdin</translation>
    </message>
    <message>
        <location line="-99"/>
        <source>Server: %1</source>
        <translation>サーバー: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User: %1</source>
        <translation>ユーザー: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendar: %1</source>
        <translation>カレンダー: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last sync: %1</source>
        <translation>最終同期: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Days waiting for the server: %1, since %2</source>
        <translation>サーバーへの送信を待っている日数: %1（%2 から）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Changed on both sides in the last sync: %1</source>
        <translation>前回の同期で両方の側で変更されていた日: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--history takes a day as yyyy-MM-dd.</source>
        <translation>--history には日付を yyyy-MM-dd の形式で指定します。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sync is not set up.</source>
        <translation>同期が設定されていません。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No text of %1 was replaced by a sync.</source>
        <translation>%1 の文章で、同期によって置き換えられたものはありません。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the week&apos;s notes</source>
        <translation>週のメモ</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 is no server address.</source>
        <translation>%1 はサーバーのアドレスではありません。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is plain HTTP, which anyone on the way can read; use https, or --allow-http where that is what you want.</source>
        <translation>%1 は暗号化されていない HTTP で、通信経路上の誰でも内容を読み取れます。https を使うか、それを承知のうえで使う場合は --allow-http を指定してください。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>give the password on standard input with --password-stdin.</source>
        <translation>--password-stdin を指定して、パスワードを標準入力から渡してください。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no password on standard input.</source>
        <translation>標準入力にパスワードがありません。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>If it is your server&apos;s, run the setup again with --trust %1.</source>
        <translation>お使いのサーバーの証明書であれば、--trust %1 を付けてもう一度設定してください。</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Made the journal calendar %1.</source>
        <translation>ジャーナル用カレンダー %1 を作成しました。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sync is set up with %1.</source>
        <translation>%1 との同期を設定しました。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>no password: give it on standard input with --password-stdin.</source>
        <translation>パスワードがありません。--password-stdin を指定して、標準入力から渡してください。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>If it is your server&apos;s, set up again with --trust %1.</source>
        <translation>お使いのサーバーの証明書であれば、--trust %1 を付けて設定し直してください。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Synced: %1 sent, %2 received, %3 removed, in %4 requests.</source>
        <translation>同期しました。送信 %1 件、受信 %2 件、削除 %3 件、リクエスト %4 回。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Changed on both sides, both texts kept: %1</source>
        <translation>両方の側で変更されていたため、両方の文章を残した日: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 not found.</source>
        <translation>%1 が見つかりません。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is open in Orvanta, which syncs it itself (Sync now).</source>
        <translation>%1 は Orvanta で開かれており、Orvanta 自身が同期します（「今すぐ同期」）。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is open in Orvanta on the computer %2.</source>
        <translation>%1 はコンピューター %2 の Orvanta で開かれています。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--setup takes --user NAME too.</source>
        <translation>--setup には --user NAME も指定します。</translation>
    </message>
</context>
<context>
    <name>SyncDialog</name>
    <message>
        <location filename="../sync_window/sync_dialog.cpp" line="+61"/>
        <source>Sync</source>
        <translation>同期</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Server address</source>
        <translation>サーバーのアドレス</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>https://example.org/dav/</source>
        <translation>https://example.org/dav/</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>User name</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Calendar name</source>
        <translation>カレンダー名</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Optional</source>
        <translation>省略可</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Journal calendars found</source>
        <translation>見つかったジャーナル用カレンダー</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Server address:</source>
        <translation>サーバーのアドレス(&amp;S):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;User name:</source>
        <translation>ユーザー名(&amp;U):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Password:</source>
        <translation>パスワード(&amp;P):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ca&amp;lendar name:</source>
        <translation>カレンダー名(&amp;L):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendars &amp;found:</source>
        <translation>見つかったカレンダー(&amp;F):</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>C&amp;onnect</source>
        <translation>接続(&amp;O)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;top syncing</source>
        <translation>同期を解除(&amp;T)</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>Type the address of your CalDAV server, such as https://example.org/dav/.</source>
        <translation>https://example.org/dav/ のように、CalDAV サーバーのアドレスを入力してください。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Type your user name on the server.</source>
        <translation>サーバーでのユーザー名を入力してください。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 is plain HTTP: anyone on the way can read your weeks and your password. Connect without encryption all the same?</source>
        <translation>%1 は暗号化されていない HTTP です。通信経路上の誰でも、週の入力内容とパスワードを読み取れます。それでも暗号化せずに接続しますか?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not connected. Use an https address where the server has one.</source>
        <translation>接続していません。サーバーに https のアドレスがあれば、そちらを使ってください。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Connecting to %1…</source>
        <translation>%1 に接続しています…</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The server&apos;s certificate does not verify. Its fingerprint (SHA-256) is:
%1</source>
        <translation>サーバーの証明書を検証できません。フィンガープリント（SHA-256）は次のとおりです:
%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The certificate of %1 does not verify: it may not be your server&apos;s. Compare its fingerprint (SHA-256) with the one your server&apos;s owner gives:

%2

Trust this certificate?</source>
        <translation>%1 の証明書を検証できません。お使いのサーバーの証明書ではない可能性があります。フィンガープリント（SHA-256）を、サーバーの管理者から伝えられたものと比べてください:

%2

この証明書を信頼しますか?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not connected: the certificate was not trusted.</source>
        <translation>接続していません。証明書は信頼されませんでした。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The server refused the user name or password.</source>
        <translation>サーバーがユーザー名またはパスワードを拒否しました。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not connected: %1</source>
        <translation>接続していません: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+47"/>
        <source>The account could not be kept: %1</source>
        <translation>アカウントを保存できませんでした: %1</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>Connected: made the calendar %1 for your weeks.</source>
        <translation>接続しました。週を同期するカレンダー %1 を作成しました。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connected: your weeks sync with the calendar %1.</source>
        <translation>接続しました。週はカレンダー %1 と同期します。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The password is kept in your desktop&apos;s password store.</source>
        <translation>パスワードはデスクトップのパスワード保管庫に保存されます。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No password store answered: Orvanta keeps the password until it ends, and asks for it again at its next start.</source>
        <translation>パスワード保管庫から応答がありませんでした。Orvanta は終了するまでパスワードを保持し、次回の起動時にもう一度入力を求めます。</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Your weeks now sync with the calendar %1.</source>
        <translation>週はこれからカレンダー %1 と同期します。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Stop syncing your weeks with %1? They stay as they are, here and on the server.</source>
        <translation>%1 との週の同期を解除しますか? 週の入力内容は、ここでもサーバー上でも今のまま残ります。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The account could not be forgotten: %1</source>
        <translation>アカウントの記録を削除できませんでした: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Your weeks no longer sync.</source>
        <translation>週の同期を解除しました。</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <location filename="../sync/sync_engine.cpp" line="+126"/>
        <source>The server refused the user name or password.</source>
        <translation>サーバーがユーザー名またはパスワードを拒否しました。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The server answered %1 while %2.</source>
        <translation>%2中に、サーバーから %1 が返されました。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No sync account is set up.</source>
        <translation>同期用のアカウントが設定されていません。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is plain HTTP to another computer, which was not allowed.</source>
        <translation>%1 は別のコンピューターへの暗号化されていない HTTP で、これは許可されていません。</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>The server&apos;s answer was damaged: %1</source>
        <translation>サーバーの応答が壊れていました: %1</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The server&apos;s answer was cut short.</source>
        <translation>サーバーの応答が途中で切れていました。</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>listing the changes</source>
        <translation>変更の一覧の取得</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>listing the entries</source>
        <translation>項目の一覧の取得</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>reading the entries</source>
        <translation>項目の読み込み</translation>
    </message>
    <message>
        <location line="-277"/>
        <source>an entry of another program was added</source>
        <translation>別のプログラムの項目の追加</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>changed by a sync</source>
        <translation>同期による変更</translation>
    </message>
    <message>
        <location line="+586"/>
        <location line="+82"/>
        <source>sending the text of %1</source>
        <translation>%1 の文章の送信</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>reading an entry again</source>
        <translation>項目の再読み込み</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The entry for %1 came cut short.</source>
        <translation>%1 の項目が途中で切れていました。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The entry for %1 on the server is not a journal entry.</source>
        <translation>サーバー上の %1 の項目はジャーナル項目ではありません。</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>removing an entry taken into a day</source>
        <translation>日に取り込んだ項目の削除</translation>
    </message>
</context>
<context>
    <name>SyncState</name>
    <message>
        <location filename="../sync/sync_state.cpp" line="+37"/>
        <source>opening %1</source>
        <translation>%1 を開く処理</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>preparing %1</source>
        <translation>%1 の準備</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The sync&apos;s state file failed while %1: %2</source>
        <translation>同期の状態ファイルでエラーが発生しました（%1）: %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>saving the account</source>
        <translation>アカウントの保存</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>noting an entry</source>
        <translation>項目の記録</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>forgetting an entry</source>
        <translation>項目の記録の削除</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>forgetting the calendar</source>
        <translation>カレンダーの記録の削除</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>keeping a replaced text</source>
        <translation>置き換えられた文章の保存</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>starting a change</source>
        <translation>変更の開始</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ending a change</source>
        <translation>変更の確定</translation>
    </message>
</context>
<context>
    <name>SyncStatus</name>
    <message>
        <location filename="../sync_window/sync_status.cpp" line="+22"/>
        <source>Synced just now</source>
        <translation>たった今同期しました</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Synced %n minute(s) ago</source>
        <translation>
            <numerusform>%n 分前に同期しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Synced %n hour(s) ago</source>
        <translation>
            <numerusform>%n 時間前に同期しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Synced %n day(s) ago</source>
        <translation>
            <numerusform>%n 日前に同期しました</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Offline: changes waiting</source>
        <translation>オフライン: 変更が送信を待っています</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Offline: %n minute(s) waiting</source>
        <translation>
            <numerusform>オフライン: %n 分前から送信を待っています</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Offline: %n hour(s) waiting</source>
        <translation>
            <numerusform>オフライン: %n 時間前から送信を待っています</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Offline: %n day(s) waiting</source>
        <translation>
            <numerusform>オフライン: %n 日前から送信を待っています</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Sync stopped: the server refused the password</source>
        <translation>同期停止中: サーバーがパスワードを拒否しました</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sync stopped: the server&apos;s certificate changed</source>
        <translation>同期停止中: サーバーの証明書が変わりました</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n day(s) changed on both sides</source>
        <translation>
            <numerusform>両方の側で変更された日: %n 日</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not synced yet</source>
        <translation>まだ同期していません</translation>
    </message>
</context>
<context>
    <name>ThreadRun</name>
    <message>
        <location filename="../main_window/thread_run.cpp" line="+7"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <location filename="../main_window/tray_menu.cpp" line="+60"/>
        <source>&amp;Hide Orvanta</source>
        <translation>Orvanta を隠す(&amp;H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Show Orvanta</source>
        <translation>Orvanta を表示(&amp;S)</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <location filename="../guide/user_guide_window.cpp" line="+11"/>
        <location line="+3"/>
        <source>Orvanta User&apos;s Guide</source>
        <translation>Orvanta ユーザーガイド</translation>
    </message>
</context>
<context>
    <name>WeekDraft</name>
    <message>
        <location filename="../schedule/week_draft.cpp" line="+44"/>
        <source>it is too large</source>
        <translation>大きすぎます</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a file</source>
        <translation>ファイルではありません</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>it is not an Orvanta draft</source>
        <translation>Orvanta の下書きではありません</translation>
    </message>
</context>
<context>
    <name>WeekExport</name>
    <message>
        <location filename="../export/week_export.cpp" line="+45"/>
        <source>%1 is the calendar database itself: choose another file.</source>
        <translation>%1 はカレンダーのデータベースそのものです。別のファイルを選んでください。</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+34"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+43"/>
        <source>%1 cannot be written: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>WeekExporting</name>
    <message>
        <location filename="../main_window/week_exporting.cpp" line="+29"/>
        <source>Export All Weeks</source>
        <translation>すべての週をエクスポート</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orvanta weeks.md</source>
        <translation>Orvanta weeks.md</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 names no format Orvanta writes: name it .md for Markdown or .ics for iCalendar.</source>
        <translation>%1 は、Orvanta が書き出せる形式の名前ではありません。Markdown なら .md、iCalendar なら .ics で終わる名前にしてください。</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Exporting all weeks…</source>
        <translation>すべての週をエクスポートしています…</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The weeks were not exported. %1</source>
        <translation>週はエクスポートされませんでした。%1</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%Ln week(s) were exported to %1.</source>
        <translation>
            <numerusform>%Ln 週分を %1 にエクスポートしました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekImport</name>
    <message>
        <location filename="../import/week_import.cpp" line="+84"/>
        <source>The weeks could not be written to %1: %2. Nothing was changed; it is as it was.</source>
        <translation>%1 に週を書き込めませんでした: %2。何も変更されておらず、元のままです。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is an SQLite database, but not one of Orvanta&apos;s: it has no table tblCalendar with the columns StartWeekDate and WeekData. Nothing was changed.</source>
        <translation>%1 は SQLite データベースですが、Orvanta のものではありません: StartWeekDate 列と WeekData 列のある tblCalendar テーブルがありません。何も変更されていません。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 was left in the middle of a change, and reading it would change it (%2-journal beside it takes the change back): open it once in the program that wrote it, or copy it without that file. Nothing was changed.</source>
        <translation>%1 は変更の途中のまま残されているため、読み込むと内容が変わってしまいます（隣にある %2-journal が変更を取り消します）。作成したプログラムで一度開くか、そのファイルを除いてコピーしてください。何も変更されていません。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 could not be read: %2. Nothing was changed.</source>
        <translation>%1 を読み込めませんでした: %2。何も変更されていません。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The import was cancelled. Nothing was changed.</source>
        <translation>インポートを中止しました。何も変更されていません。</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 not found. Nothing was changed.</source>
        <translation>%1 が見つかりません。何も変更されていません。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is the database the weeks would come into: choose another file. Nothing was changed.</source>
        <translation>%1 は週の取り込み先のデータベースです。別のファイルを選んでください。何も変更されていません。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is neither a database of Orvanta&apos;s nor one of the earlier Windows program. Nothing was changed.</source>
        <translation>%1 は Orvanta のデータベースでも、以前の Windows 用プログラムのデータベースでもありません。何も変更されていません。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source> Nothing was changed.</source>
        <translation>何も変更されていません。</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>The rows of %1 that cannot be weeks could not be written to %2: %3. Nothing was changed.</source>
        <translation>%1 の週として扱えない行を %2 に書き込めませんでした: %3。何も変更されていません。</translation>
    </message>
    <message numerus="yes">
        <location line="+150"/>
        <source>%n more</source>
        <translation>
            <numerusform>ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 and %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The weeks of %1 were not imported. %2</source>
        <translation>%1 の週は取り込まれませんでした。%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 holds no weeks; nothing was changed.</source>
        <translation>%1 には週がありません。何も変更されていません。</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Nothing was changed: %n week(s) of %1 are here already.</source>
        <translation>
            <numerusform>%1 の %n 週分はすべて取り込み済みのため、何も変更されていません。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No new week came from %1</source>
        <translation>%1 から新しく取り込んだ週はありません</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n week(s) came from %1</source>
        <translation>
            <numerusform>%1 から %n 週分を取り込みました</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>d MMMM yyyy</source>
        <comment>the format of a week&apos;s Sunday in a list</comment>
        <translation>yyyy年M月d日</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>; %n week(s) held text in both and now hold both: the weeks of %1</source>
        <translation>
            <numerusform>。両方に文章があった %n 週分は、両方の文章を残しました（対象の週: %1）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>; %n week(s) were here already as they are</source>
        <translation>
            <numerusform>。%n 週分はすでに同じ内容で存在していました</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>.</source>
        <translation>。</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source> %n row(s) of %1 cannot be weeks (rows %2)</source>
        <translation>
            <numerusform>%1 の %n 行は週として扱えません（行番号: %2）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source> and stayed in it.</source>
        <translation>
            <numerusform>。これらの行は元のファイルに残っています。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>: they are kept, with their full texts, in %1.</source>
        <translation>
            <numerusform>。これらの行は文章全体とともに %1 に保存してあります。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekImporting</name>
    <message>
        <location filename="../main_window/week_importing.cpp" line="+21"/>
        <source>Import Weeks</source>
        <translation>週をインポート</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Databases (*.mdb *.accdb);;All files (*)</source>
        <translation>データベース (*.mdb *.accdb);;すべてのファイル (*)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Importing the weeks of %1…</source>
        <translation>%1 の週をインポートしています…</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source> %Ln row(s)</source>
        <translation>
            <numerusform> %Ln 行</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekPage</name>
    <message>
        <location filename="../main_window/week_page.cpp" line="+81"/>
        <source>Additional Notes For The Week</source>
        <translation>この週のメモ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Notes for the week of %1</source>
        <translation>%1の週のメモ</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>No recovery file could be written either: the week&apos;s texts are only in the window. Copy them somewhere safe.</source>
        <translation>復旧用のファイルも書き込めませんでした。この週の入力内容はウィンドウの中にしかありません。安全な場所にコピーしてください。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The week&apos;s texts were written to %1.</source>
        <translation>この週の入力内容を %1 に書き出しました。</translation>
    </message>
</context>
<context>
    <name>WeekPrintModule</name>
    <message>
        <location filename="../print_module/week_print_module.cpp" line="+14"/>
        <source>Print Week</source>
        <translation>週を印刷</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print Preview</source>
        <translation>印刷プレビュー</translation>
    </message>
</context>
<context>
    <name>WeekPrinting</name>
    <message>
        <location filename="../main_window/week_printing.cpp" line="+31"/>
        <source>it is not there</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>it is not Orvanta&apos;s printing module</source>
        <translation>Orvanta の印刷モジュールではありません</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Orvanta cannot print: its printing module %1 cannot be used: %2. Installing Orvanta again brings it back.</source>
        <translation>Orvanta は印刷できません。印刷モジュール %1 を使用できません: %2。Orvanta をもう一度インストールすると元に戻ります。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Orvanta week %1</source>
        <translation>Orvanta week %1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The week was not printed: %1 did not take it.</source>
        <translation>週は印刷されませんでした: %1 が受け付けませんでした。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The week was not printed: %1 cannot be written.</source>
        <translation>週は印刷されませんでした: %1 に書き込めません。</translation>
    </message>
</context>
<context>
    <name>WeekSheet</name>
    <message>
        <location filename="../print/week_sheet.cpp" line="+74"/>
        <source>%1 · page %2 of %3</source>
        <translation>%1 · %2 / %3 ページ</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Week of %1</source>
        <translation>%1の週</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 (continued)</source>
        <translation>%1（続き）</translation>
    </message>
</context>
<context>
    <name>WeekSyncing</name>
    <message>
        <location filename="../main_window/week_syncing.cpp" line="+148"/>
        <source>Sync is not set up yet: type your CalDAV server&apos;s address, your user name and your password, then press Connect.</source>
        <translation>同期はまだ設定されていません。CalDAV サーバーのアドレス、ユーザー名、パスワードを入力して、「接続」を押してください。</translation>
    </message>
    <message numerus="yes">
        <location line="+78"/>
        <source>%n day(s) changed both here and on another device; each such box now holds both texts, one after the other: %1.</source>
        <translation>
            <numerusform>ここと別のデバイスの両方で変更された日が %n 日あります。それぞれの欄に両方の文章を続けて残しました: %1。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The server&apos;s certificate is no longer the one you trusted, so sync has stopped. Open Sync… to check it.</source>
        <translation>サーバーの証明書が、信頼した証明書から変わったため、同期を停止しました。「同期…」を開いて確認してください。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sync failed: %1</source>
        <translation>同期できませんでした: %1</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>The server refused the password, or none is kept for this account: type it and press Connect.</source>
        <translation>サーバーがパスワードを拒否したか、このアカウントのパスワードが保存されていません。パスワードを入力して、「接続」を押してください。</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <location filename="../main_window/window_actions.cpp" line="+14"/>
        <source>&amp;Go to date…</source>
        <translation>日付へ移動(&amp;G)…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;This week</source>
        <translation>今週(&amp;T)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P&amp;revious week</source>
        <translation>前の週(&amp;R)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Next week</source>
        <translation>次の週(&amp;N)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save week</source>
        <translation>週を保存(&amp;S)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Find in all weeks…</source>
        <translation>すべての週から検索(&amp;F)…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find ne&amp;xt</source>
        <translation>次を検索(&amp;X)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find pre&amp;vious</source>
        <translation>前を検索(&amp;V)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print week…</source>
        <translation>週を印刷(&amp;P)…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print previe&amp;w…</source>
        <translation>印刷プレビュー(&amp;W)…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Export all weeks…</source>
        <translation>すべての週をエクスポート(&amp;E)…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Import weeks…</source>
        <translation>週をインポート(&amp;I)…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>S&amp;ync…</source>
        <translation>同期(&amp;Y)…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sync n&amp;ow</source>
        <translation>今すぐ同期(&amp;O)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Larger text</source>
        <translation>文字を大きく(&amp;L)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>S&amp;maller text</source>
        <translation>文字を小さく(&amp;M)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Usual text size</source>
        <translation>標準の文字サイズ(&amp;U)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User&apos;s gui&amp;de</source>
        <translation>ユーザーガイド(&amp;D)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About Orvanta</source>
        <translation>Orvanta について(&amp;A)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>This menu</source>
        <translation>このメニュー</translation>
    </message>
    <message>
        <location line="+0"/>
        <source> or </source>
        <translation> または </translation>
    </message>
</context>
<context>
    <name>WindowPointer</name>
    <message>
        <location filename="../main_window/window_pointer.cpp" line="+26"/>
        <source>The pointer image %1 cannot be read: %2.</source>
        <translation>ポインター画像 %1 を読み込めません: %2。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../main.cpp" line="+45"/>
        <source>Orvanta cannot tell which folder it was started from, where its dbCalendar.mdb lies: %1.</source>
        <translation>Orvanta の起動元のフォルダー（dbCalendar.mdb がある場所）を特定できません: %1。</translation>
    </message>
</context>
<context>
    <name>orvanta-cli</name>
    <message>
        <location filename="../cli/orvanta_cli.cpp" line="+52"/>
        <source>
Orvanta&apos;s weeks from the command line.

  find WORDS...   prints each line that holds every word (in any order, case and accents
                  aside; quote words to find them as a phrase): the day, its name and the
                  line, the newest first. Exit 0: found, 1: nothing found, 2: an error.
  export FILE     writes every week to FILE, oldest first: Markdown for .md, iCalendar
                  for .ics, or as --format says. Exit 0: written, 2: not written.
  import FILE     brings the weeks of FILE (another Orvanta database, or the earlier
                  Windows program&apos;s .mdb or .accdb) into the database: a week only in
                  FILE comes over, one with other texts holds both afterwards, and FILE
                  is never changed. Not while Orvanta has the database open: use Import
                  weeks... in its window then. Exit 0: imported, 2: nothing changed.
  sync            syncs the weeks with the CalDAV calendar set up with --setup (the
                  server&apos;s address, or a calendar&apos;s; the journal calendar NAME, else the
                  first that takes journal entries, else a new one named Orvanta). The
                  password comes from the desktop&apos;s secret store, or from standard input
                  with --password-stdin; it is never written to a file. A certificate that
                  does not verify is refused with its fingerprint; --trust FINGERPRINT
                  trusts that one. --status tells how things stand, --history DAY prints
                  the texts of DAY that a sync replaced. Not while Orvanta has the database
                  open: it syncs itself. Exit 0: synced, 1: synced, and days changed on
                  both sides now hold both texts, 2: could not sync.

  --database FILE the database to use (dbCalendar.mdb beside orvanta-cli without it)
  -h, --help      this text (also: orvanta-cli help)
  --version       the version
</source>
        <translation>
Orvanta の週をコマンドラインから扱います。

  find WORDS...   すべての語句を含む行を出力します（順序、大文字と小文字、アクセント記号は
                  区別しません。引用符で囲むとひと続きの語句として検索します）。日付、
                  曜日名、その行を新しい順に出力します。終了コード 0: 見つかった、1: なし、
                  2: エラー。
  export FILE     すべての週を古い順に FILE に書き出します。.md なら Markdown、.ics なら
                  iCalendar、または --format の指定どおり。終了コード 0: 書き出した、
                  2: 失敗。
  import FILE     FILE（別の Orvanta のデータベース、または以前の Windows 用プログラムの
                  .mdb や .accdb）の週をデータベースに取り込みます。FILE にしかない週は
                  そのまま取り込み、異なる文章のある週は両方を残します。
                  FILE は変更されません。Orvanta がデータベースを開いている間は使えません。
                  その場合はウィンドウの「週をインポート…」を使ってください。
                  終了コード 0: 取り込んだ、2: 変更なし。
  sync            --setup で設定した CalDAV カレンダーと週を同期します（--setup には
                  サーバーのアドレスかカレンダーのアドレスを指定します。同期先は
                  NAME という名前のジャーナル用カレンダー、なければジャーナル項目を
                  受け付ける最初のカレンダー、それもなければ新しく作成する Orvanta という
                  名前のカレンダーです）。パスワードはデスクトップのパスワード保管庫から、
                  または --password-stdin を指定すると標準入力から読み取り、ファイルには
                  書き込みません。検証できない証明書は、そのフィンガープリントを示して
                  拒否します。--trust FINGERPRINT でその証明書を信頼します。--status で
                  現在の状態を、--history DAY で DAY の文章のうち同期で置き換えられた
                  ものを表示します。Orvanta がデータベースを開いている間は使えません
                  （Orvanta 自身が同期します）。終了コード 0: 同期した、1: 同期し、両方の
                  側で変更された日に両方の文章を残した、2: 同期できなかった。

  --database FILE 使用するデータベース（省略時は orvanta-cli と同じ場所の dbCalendar.mdb）
  -h, --help      このテキスト（orvanta-cli help でも表示）
  --version       バージョン
</translation>
    </message>
    <message>
        <location line="+88"/>
        <location line="+37"/>
        <location line="+36"/>
        <source>%1 not found.</source>
        <translation>%1 が見つかりません。</translation>
    </message>
    <message>
        <location line="-63"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>--format takes md or ics.</source>
        <translation>--format には md または ics を指定します。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cannot tell the format of %1: name it .md or .ics, or give --format md or --format ics.</source>
        <translation>%1 の形式がわかりません: 名前を .md か .ics で終わるようにするか、--format md または --format ics を指定してください。</translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>exporting, %1 of %n week(s)</source>
        <translation>
            <numerusform>エクスポート中: %n 週分のうち %1 週分</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>%1 is open in Orvanta; import from its window (Import weeks…), or close it first.</source>
        <translation>%1 は Orvanta で開かれています。そのウィンドウの「週をインポート…」でインポートするか、先に Orvanta を閉じてください。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is open in Orvanta on the computer %2; import from its window there (Import weeks…), or close it first.</source>
        <translation>%1 はコンピューター %2 の Orvanta で開かれています。そちらのウィンドウの「週をインポート…」でインポートするか、先に Orvanta を閉じてください。</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>importing, %n row(s) read</source>
        <translation>
            <numerusform>インポート中: %n 行を読み込みました</numerusform>
        </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>--database takes a file.</source>
        <translation>--database にはファイルを指定します。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>no command %1.</source>
        <translation>%1 というコマンドはありません。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot tell which folder it is in: %1</source>
        <translation>自身のあるフォルダーを特定できません: %1</translation>
    </message>
</context>
</TS>
