<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Updater</name>
    <message>
        <source>Version %1 of %2 has been released!</source>
        <translation>%2 のバージョン %1 がリリースされました!</translation>
    </message>
    <message>
        <source>Would you like to download the update now?</source>
        <translation>今すぐ更新をダウンロードしますか?</translation>
    </message>
    <message>
        <source>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</source>
        <translation>今すぐ更新をダウンロードしますか? これは必須の更新です。ここで終了するとアプリケーションは閉じられます。</translation>
    </message>
    <message>
        <source>No updates are available for the moment</source>
        <translation>現在利用できる更新はありません</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>おめでとうございます! %1 の最新バージョンをお使いです</translation>
    </message>
</context>
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>アップデーター</translation>
    </message>
    <message>
        <source>Downloading updates</source>
        <translation>更新をダウンロードしています</translation>
    </message>
    <message>
        <source>Time remaining: 0 minutes</source>
        <translation>残り時間: 0 分</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Time remaining</source>
        <translation>残り時間</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>更新をダウンロードしています</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>残り時間</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
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
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>約 %1 時間</translation>
    </message>
    <message>
        <source>about one hour</source>
        <translation>約 1 時間</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 分</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 分</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 秒</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>ダウンロードが完了しました!</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>インストーラーは別のウィンドウで開きます</translation>
    </message>
    <message>
        <source>Click &quot;OK&quot; to begin installing the update</source>
        <translation>[OK] をクリックすると更新のインストールを開始します</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application.</source>
        <translation>更新をインストールするには、アプリケーションの終了が必要な場合があります。</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</source>
        <translation>更新をインストールするには、アプリケーションの終了が必要な場合があります。これは必須の更新です。ここで終了するとアプリケーションは閉じられます</translation>
    </message>
    <message>
        <source>Click the &quot;Open&quot; button to apply the update</source>
        <translation>[開く] ボタンをクリックして更新を適用してください</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Cannot execute downloaded package!</source>
        <translation>ダウンロードしたパッケージを実行できません!</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>ダウンロードした更新が見つかりません!</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>ダウンロードをキャンセルしてもよろしいですか?</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</source>
        <translation>ダウンロードをキャンセルしてもよろしいですか? これは必須の更新です。ここで終了するとアプリケーションは閉じられます</translation>
    </message>
    <message>
        <source>The downloaded file %1 cannot be opened.</source>
        <translation>ダウンロードしたファイル %1 は開けません。</translation>
    </message>
</context>
</TS>
