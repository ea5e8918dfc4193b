<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AnalysisPage</name>
    <message>
        <source>考勤记录列表/统计</source>
        <translation>考勤記錄列表/統計</translation>
    </message>
    <message>
        <source>1、请选择起始 年/月</source>
        <translation>1、請選擇起始 年/月</translation>
    </message>
    <message>
        <source>年</source>
        <translation>年</translation>
    </message>
    <message>
        <source>月</source>
        <translation>月</translation>
    </message>
    <message>
        <source>2、请选月结制式</source>
        <translation>2、請選月結制式</translation>
    </message>
    <message>
        <source>月初制</source>
        <translation>月初制</translation>
    </message>
    <message>
        <source>月中制</source>
        <translation>月中制</translation>
    </message>
    <message>
        <source>3、设置休假日</source>
        <translation>3、設定休假日</translation>
    </message>
    <message>
        <source>鼠标左击标记为休息</source>
        <translation>滑鼠左鍵點選標記為休息</translation>
    </message>
    <message>
        <source>鼠标右击取消标记</source>
        <translation>滑鼠右鍵點選取消標記</translation>
    </message>
    <message>
        <source>设好后请点击更新</source>
        <translation>設好後請點選更新</translation>
    </message>
    <message>
        <source>日</source>
        <translation>日</translation>
    </message>
    <message>
        <source>一</source>
        <translation>一</translation>
    </message>
    <message>
        <source>二</source>
        <translation>二</translation>
    </message>
    <message>
        <source>三</source>
        <translation>三</translation>
    </message>
    <message>
        <source>四</source>
        <translation>四</translation>
    </message>
    <message>
        <source>五</source>
        <translation>五</translation>
    </message>
    <message>
        <source>六</source>
        <translation>六</translation>
    </message>
    <message>
        <source>今日</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>置为当前</source>
        <translation>設為目前</translation>
    </message>
    <message>
        <source>4、时间模式</source>
        <translation>4、時間模式</translation>
    </message>
    <message>
        <source>模式一</source>
        <translation>模式一</translation>
    </message>
    <message>
        <source>模式二</source>
        <translation>模式二</translation>
    </message>
    <message>
        <source>5、选择员工</source>
        <translation>5、選擇員工</translation>
    </message>
    <message>
        <source>刷新列表 --&gt;</source>
        <translation>重新整理列表 --&gt;</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>读取记录 --&gt;</source>
        <translation>讀取記錄 --&gt;</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>讀取</translation>
    </message>
    <message>
        <source>汇总</source>
        <translation>彙總</translation>
    </message>
    <message>
        <source>全体员工考勤汇总：统计、全勤与罚款，可导出 xlsx/csv/pdf 或打印</source>
        <translation>全體員工考勤彙總：統計、全勤與罰款，可匯出 xlsx/csv/pdf 或列印</translation>
    </message>
    <message>
        <source>计算器</source>
        <translation>計算機</translation>
    </message>
    <message>
        <source>※备注中*号，表示当天有员工特殊情况登记，查看详情请点击 --&gt;</source>
        <translation>※備註中*號，表示當天有員工特殊情況登記，檢視詳情請點選 --&gt;</translation>
    </message>
    <message>
        <source>考勤统计：</source>
        <translation>考勤統計：</translation>
    </message>
    <message>
        <source>特殊情况登记列表</source>
        <translation>特殊情況登記列表</translation>
    </message>
    <message>
        <source>使用行政班制时间模式</source>
        <translation>使用行政班制時間模式</translation>
    </message>
    <message>
        <source>使用朝九晚五时间模式</source>
        <translation>使用朝九晚五時間模式</translation>
    </message>
    <message>
        <source>请先选择结算的起始年份和月份！</source>
        <translation>請先選擇結算的起始年份和月份！</translation>
    </message>
    <message>
        <source>按班次考勤：早退也使全勤为“无”。
</source>
        <translation>按班次考勤：早退也使全勤為「無」。
</translation>
    </message>
    <message>
        <source>还没有读取考勤记录，请先点击“读取”读入考勤数据，再查看汇总。</source>
        <translation>還沒有讀取考勤記錄，請先點選「讀取」讀入考勤資料，再檢視彙總。</translation>
    </message>
    <message>
        <source>员工“%1”已不在员工列表中，请重新汇总。</source>
        <translation>員工「%1」已不在員工列表中，請重新彙總。</translation>
    </message>
    <message>
        <source>值日迟到</source>
        <translation>值日遲到</translation>
    </message>
    <message>
        <source>上班迟到</source>
        <translation>上班遲到</translation>
    </message>
    <message>
        <source>10分钟内</source>
        <translation>10分鐘內</translation>
    </message>
    <message>
        <source>30分钟内</source>
        <translation>30分鐘內</translation>
    </message>
    <message>
        <source>60分钟内</source>
        <translation>60分鐘內</translation>
    </message>
    <message>
        <source>漏打</source>
        <translation>漏打</translation>
    </message>
    <message>
        <source>请假</source>
        <translation>請假</translation>
    </message>
    <message>
        <source>病假</source>
        <translation>病假</translation>
    </message>
    <message>
        <source>事假</source>
        <translation>事假</translation>
    </message>
    <message>
        <source>旷工</source>
        <translation>曠工</translation>
    </message>
    <message>
        <source>加班</source>
        <translation>加班</translation>
    </message>
    <message>
        <source>一档</source>
        <translation>一檔</translation>
    </message>
    <message>
        <source>二档</source>
        <translation>二檔</translation>
    </message>
    <message>
        <source>休息日</source>
        <translation>休息日</translation>
    </message>
    <message>
        <source>全勤</source>
        <translation>全勤</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>星期</source>
        <translation>星期</translation>
    </message>
    <message>
        <source>A上班</source>
        <translation>A上班</translation>
    </message>
    <message>
        <source>A下班</source>
        <translation>A下班</translation>
    </message>
    <message>
        <source>P上班</source>
        <translation>P上班</translation>
    </message>
    <message>
        <source>P下班</source>
        <translation>P下班</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>%1：</source>
        <translation>%1：</translation>
    </message>
    <message>
        <source>设置休假日</source>
        <translation>設定休假日</translation>
    </message>
    <message>
        <source>考勤记录列表</source>
        <translation>考勤紀錄列表</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>yyyy年M月d日</source>
        <translation>yyyy年M月d日</translation>
    </message>
    <message>
        <source>农历</source>
        <translation>農曆</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>找不到[计算器]程序！</source>
        <translation>找不到[計算機]程式！</translation>
    </message>
    <message>
        <source>[计算器]程序无法启动：%1</source>
        <translation>[計算機]程式無法啟動：%1</translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>配置文件 Init.ini %1</source>
        <translation>設定檔 Init.ini %1</translation>
    </message>
    <message>
        <source>是空文件。</source>
        <translation>是空檔案。</translation>
    </message>
    <message>
        <source>缺少“%1”行（%2）。</source>
        <translation>缺少「%1」行（%2）。</translation>
    </message>
    <message>
        <source>结束行</source>
        <translation>結束行</translation>
    </message>
    <message>
        <source>员工编号段的开始</source>
        <translation>員工編號段的開始</translation>
    </message>
    <message>
        <source>员工编号段的结束</source>
        <translation>員工編號段的結束</translation>
    </message>
    <message>
        <source>时间段的开始</source>
        <translation>時間段的開始</translation>
    </message>
    <message>
        <source>时间段的结束</source>
        <translation>時間段的結束</translation>
    </message>
    <message>
        <source>的员工编号段与时间段相互嵌套。</source>
        <translation>的員工編號段與時間段相互巢狀。</translation>
    </message>
    <message>
        <source>的时间段中没有时间行。</source>
        <translation>的時間段中沒有時間行。</translation>
    </message>
    <message>
        <source>，</source>
        <translation>，</translation>
    </message>
    <message>
        <source>第%1行的员工记录缺少逗号：%2</source>
        <translation>第%1行的員工記錄缺少逗號：%2</translation>
    </message>
    <message>
        <source>的时间行不足36个字符：%1</source>
        <translation>的時間行不足36個字元：%1</translation>
    </message>
    <message>
        <source>的第一行（数据读取位置）不足5个字符：%1</source>
        <translation>的第一列（資料讀取位置）不足5個字元：%1</translation>
    </message>
    <message>
        <source>员工编号保存成功！</source>
        <translation>員工編號儲存成功！</translation>
    </message>
    <message>
        <source>时间模式[1]保存成功！</source>
        <translation>時間模式[1]儲存成功！</translation>
    </message>
    <message>
        <source>时间模式[2]保存成功！</source>
        <translation>時間模式[2]儲存成功！</translation>
    </message>
    <message>
        <source>数据读取位置保存成功！</source>
        <translation>資料讀取位置儲存成功！</translation>
    </message>
    <message>
        <source>“%1”中有无法保存的字符。</source>
        <translation>「%1」中有無法儲存的字元。</translation>
    </message>
</context>
<context>
    <name>DataFolderPanel</name>
    <message>
        <source>选择考勤所在目录：</source>
        <translation>選擇考勤所在資料夾：</translation>
    </message>
    <message>
        <source>正在读取，请稍候！</source>
        <translation>正在讀取，請稍候！</translation>
    </message>
    <message>
        <source>可读取 xls、xlsx、xlsm、csv、dat 文件</source>
        <translation>可讀取 xls、xlsx、xlsm、csv、dat 檔案</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>瀏覽</translation>
    </message>
    <message>
        <source>读取文件夹数据 --&gt;</source>
        <translation>讀取資料夾資料 --&gt;</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>讀取</translation>
    </message>
    <message>
        <source>点击关闭 --&gt;</source>
        <translation>點選關閉 --&gt;</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>考勤记录所在的文件夹；</source>
        <translation>考勤記錄所在的資料夾；</translation>
    </message>
    <message>
        <source>：每行一条打卡记录的表格，考勤机的月报表，带表头的考勤表，无表头的原始记录</source>
        <translation>：每列一筆打卡記錄的表格，考勤機的月報表，帶表頭的考勤表，無表頭的原始記錄</translation>
    </message>
    <message>
        <source>报告</source>
        <translation>報告</translation>
    </message>
    <message>
        <source>每个文件的读取方式、记录数、跳过的行和未登记的工号</source>
        <translation>每個檔案的讀取方式、記錄數、跳過的列和未登記的工號</translation>
    </message>
    <message>
        <source>第 %1/%2 个文件 %3，已读 %4 条</source>
        <translation>第 %1/%2 個檔案 %3，已讀 %4 筆</translation>
    </message>
</context>
<context>
    <name>DayExplanation</name>
    <message>
        <source>值日表排定当天值日，备注记“值日”</source>
        <translation>值日表排定當天值日，備註記「值日」</translation>
    </message>
    <message>
        <source>值日迟到（10分钟内）</source>
        <translation>值日遲到（10分鐘內）</translation>
    </message>
    <message>
        <source>值日迟到（30分钟内）</source>
        <translation>值日遲到（30分鐘內）</translation>
    </message>
    <message>
        <source>迟到（10分钟内）</source>
        <translation>遲到（10分鐘內）</translation>
    </message>
    <message>
        <source>迟到（30分钟内）</source>
        <translation>遲到（30分鐘內）</translation>
    </message>
    <message>
        <source>迟到（60分钟内）</source>
        <translation>遲到（60分鐘內）</translation>
    </message>
    <message>
        <source>漏打</source>
        <translation>漏打</translation>
    </message>
    <message>
        <source>病假</source>
        <translation>病假</translation>
    </message>
    <message>
        <source>事假</source>
        <translation>事假</translation>
    </message>
    <message>
        <source>旷工</source>
        <translation>曠工</translation>
    </message>
    <message>
        <source>加班一档</source>
        <translation>加班一檔</translation>
    </message>
    <message>
        <source>加班二档</source>
        <translation>加班二檔</translation>
    </message>
    <message>
        <source>休息日加班</source>
        <translation>休息日加班</translation>
    </message>
    <message>
        <source>%1 以后</source>
        <translation>%1 以後</translation>
    </message>
    <message>
        <source>A上班</source>
        <translation>A上班</translation>
    </message>
    <message>
        <source>A下班</source>
        <translation>A下班</translation>
    </message>
    <message>
        <source>P上班</source>
        <translation>P上班</translation>
    </message>
    <message>
        <source>P下班</source>
        <translation>P下班</translation>
    </message>
    <message>
        <source>%1天</source>
        <translation>%1天</translation>
    </message>
    <message>
        <source>上午%1 %2→%3</source>
        <translation>上午%1 %2→%3</translation>
    </message>
    <message>
        <source>下午%1 %2→%3</source>
        <translation>下午%1 %2→%3</translation>
    </message>
    <message>
        <source>时间无法识别，不计</source>
        <translation>時間無法辨識，不計</translation>
    </message>
    <message>
        <source>不在任何打卡时段，不计</source>
        <translation>不在任何打卡時段，不計</translation>
    </message>
    <message>
        <source>不在任何打卡时段：比最近的 %1 时段（%2）早 %3 分钟，不计</source>
        <translation>不在任何打卡時段：比最近的 %1 時段（%2）早 %3 分鐘，不計</translation>
    </message>
    <message>
        <source>不在任何打卡时段：比最近的 %1 时段（%2）晚 %3 分钟，不计</source>
        <translation>不在任何打卡時段：比最近的 %1 時段（%2）晚 %3 分鐘，不計</translation>
    </message>
    <message>
        <source>%1 时段（%2）内已有更早的 %3，保留最早的一次，本次不计</source>
        <translation>%1 時段（%2）內已有更早的 %3，保留最早的一次，本次不計</translation>
    </message>
    <message>
        <source>%1 时段（%2）内已有同一分钟的 %3，保留最早的一次，本次不计</source>
        <translation>%1 時段（%2）內已有同一分鐘的 %3，保留最早的一次，本次不計</translation>
    </message>
    <message>
        <source>%1 时段（%2）内，早于下班时间 %3，计为 %1（早退）</source>
        <translation>%1 時段（%2）內，早於下班時間 %3，計為 %1（早退）</translation>
    </message>
    <message>
        <source>%1 时段（%2）内最晚的一次，计为 %1</source>
        <translation>%1 時段（%2）內最晚的一次，計為 %1</translation>
    </message>
    <message>
        <source>%1 时段（%2）内最早的一次，计为 %1</source>
        <translation>%1 時段（%2）內最早的一次，計為 %1</translation>
    </message>
    <message>
        <source>%1 时段（%2）内，被更晚的 %3 取代（%4）</source>
        <translation>%1 時段（%2）內，被更晚的 %3 取代（%4）</translation>
    </message>
    <message>
        <source>保留最晚的一次</source>
        <translation>保留最晚的一次</translation>
    </message>
    <message>
        <source>下班时间前的打卡让给更晚的一次</source>
        <translation>下班時間前的打卡讓給更晚的一次</translation>
    </message>
    <message>
        <source>次日的打卡，</source>
        <translation>次日的打卡，</translation>
    </message>
    <message>
        <source>%1 %2&#x3000;A上班 %3&#x3000;A下班 %4&#x3000;P上班 %5&#x3000;P下班 %6</source>
        <translation>%1 %2&#x3000;A上班 %3&#x3000;A下班 %4&#x3000;P上班 %5&#x3000;P下班 %6</translation>
    </message>
    <message>
        <source>备注：%1</source>
        <translation>備註：%1</translation>
    </message>
    <message>
        <source>打卡记录：当天没有打卡记录</source>
        <translation>打卡紀錄：當天沒有打卡紀錄</translation>
    </message>
    <message>
        <source>打卡记录（按判定顺序）：</source>
        <translation>打卡紀錄（依判定順序）：</translation>
    </message>
    <message>
        <source>× 不计</source>
        <translation>× 不計</translation>
    </message>
    <message>
        <source>判定：没有需要说明的判定</source>
        <translation>判定：沒有需要說明的判定</translation>
    </message>
    <message>
        <source>判定：</source>
        <translation>判定：</translation>
    </message>
    <message>
        <source>，迟到 %1→%2 分钟</source>
        <translation>，遲到 %1→%2 分鐘</translation>
    </message>
    <message>
        <source>，早退 %1→%2 次</source>
        <translation>，早退 %1→%2 次</translation>
    </message>
    <message>
        <source>，早退 %1→%2 分钟</source>
        <translation>，早退 %1→%2 分鐘</translation>
    </message>
    <message>
        <source>登记「%1」</source>
        <translation>登記「%1」</translation>
    </message>
    <message>
        <source>没有可识别的处理方式，计数不变</source>
        <translation>沒有可辨識的處理方式，計數不變</translation>
    </message>
    <message>
        <source>按“%1”处理</source>
        <translation>按「%1」處理</translation>
    </message>
    <message>
        <source>（本条没有这个词，它出现在其后的登记文字中）</source>
        <translation>（本條沒有這個詞，它出現在其後的登記文字中）</translation>
    </message>
    <message>
        <source>（本条没有这个词，它出自其后的登记「%1」）</source>
        <translation>（本條沒有這個詞，它出自其後的登記「%1」）</translation>
    </message>
    <message>
        <source>，但“处罚”后没有“…元”的金额，不记罚款</source>
        <translation>，但「处罚」後沒有「…元」的金額，不記罰款</translation>
    </message>
    <message>
        <source>：备注记%1</source>
        <translation>：備註記%1</translation>
    </message>
    <message>
        <source>计数不变</source>
        <translation>計數不變</translation>
    </message>
    <message>
        <source>休息日：记休息日加班 %1</source>
        <translation>休息日：記休息日加班 %1</translation>
    </message>
    <message>
        <source>，旷工 %1 不计</source>
        <translation>，曠工 %1 不計</translation>
    </message>
    <message>
        <source>不在任何工作日之内：前一工作日到 %1 为止，当天的工作日从 %2 开始，不计</source>
        <translation>不在任何工作日之內：前一工作日到 %1 為止，當天的工作日從 %2 開始，不計</translation>
    </message>
    <message>
        <source>属于结算期外的工作日 %1，不计</source>
        <translation>屬於結算期外的工作日 %1，不計</translation>
    </message>
    <message>
        <source>10分钟内</source>
        <translation>10分鐘內</translation>
    </message>
    <message>
        <source>30分钟内</source>
        <translation>30分鐘內</translation>
    </message>
    <message>
        <source>60分钟内</source>
        <translation>60分鐘內</translation>
    </message>
    <message>
        <source>%1 %2 比上班时间 %3 晚 %4 分钟，未超过宽限 %5 分钟，不算迟到</source>
        <translation>%1 %2 比上班時間 %3 晚 %4 分鐘，未超過寬限 %5 分鐘，不算遲到</translation>
    </message>
    <message>
        <source>%1 %2 比上班时间 %3 晚 %4 分钟，记迟到（%5）</source>
        <translation>%1 %2 比上班時間 %3 晚 %4 分鐘，記遲到（%5）</translation>
    </message>
    <message>
        <source>值日：A上班 %1 比值日到岗时间 %2（上班前 %3 分钟）晚 %4 分钟，记值日迟到（%5）</source>
        <translation>值日：A上班 %1 比值日到崗時間 %2（上班前 %3 分鐘）晚 %4 分鐘，記值日遲到（%5）</translation>
    </message>
    <message>
        <source>%1 %2 比下班时间 %3 早 %4 分钟，记早退 1 次</source>
        <translation>%1 %2 比下班時間 %3 早 %4 分鐘，記早退 1 次</translation>
    </message>
    <message>
        <source>没有 %1 打卡，记漏打 1 次</source>
        <translation>沒有 %1 打卡，記漏打 1 次</translation>
    </message>
    <message>
        <source>P下班 %1 不早于加班二档时间 %2，记加班二档</source>
        <translation>P下班 %1 不早於加班二檔時間 %2，記加班二檔</translation>
    </message>
    <message>
        <source>P下班 %1 不早于%2时间 %3，记加班一档</source>
        <translation>P下班 %1 不早於%2時間 %3，記加班一檔</translation>
    </message>
    <message>
        <source>加班</source>
        <translation>加班</translation>
    </message>
    <message>
        <source>上午 A上班、A下班 都没有打卡，记旷工半天</source>
        <translation>上午 A上班、A下班 都沒有打卡，記曠工半天</translation>
    </message>
    <message>
        <source>下午 P上班、P下班 都没有打卡，记旷工半天</source>
        <translation>下午 P上班、P下班 都沒有打卡，記曠工半天</translation>
    </message>
    <message>
        <source>A上班、P下班 都没有打卡，记旷工一天</source>
        <translation>A上班、P下班 都沒有打卡，記曠工一天</translation>
    </message>
    <message>
        <source>平日加班</source>
        <translation>平日加班</translation>
    </message>
    <message>
        <source>节假日加班</source>
        <translation>節假日加班</translation>
    </message>
    <message>
        <source>P下班 %1 比加班起算时间 %2 晚 %3 分钟</source>
        <translation>P下班 %1 比加班起算時間 %2 晚 %3 分鐘</translation>
    </message>
    <message>
        <source>出勤 %1–%2，扣除 %3–%4 的休息，共 %5 分钟</source>
        <translation>出勤 %1–%2，扣除 %3–%4 的休息，共 %5 分鐘</translation>
    </message>
    <message>
        <source>出勤 %1–%2 共 %3 分钟</source>
        <translation>出勤 %1–%2 共 %3 分鐘</translation>
    </message>
    <message>
        <source>%1，不足 %2 分钟，不计%3</source>
        <translation>%1，不足 %2 分鐘，不計%3</translation>
    </message>
    <message>
        <source>%1，按 %2 分钟取整，记%3 %4 分钟</source>
        <translation>%1，按 %2 分鐘取整，記%3 %4 分鐘</translation>
    </message>
    <message>
        <source>，按默认班次%1判定</source>
        <translation>，依預設班次%1判定</translation>
    </message>
    <message>
        <source>休息日：排班表 %1 排定休息</source>
        <translation>休息日：排班表 %1 排定休息</translation>
    </message>
    <message>
        <source>班次：%1，由排班表 %2 排定</source>
        <translation>班次：%1，由排班表 %2 排定</translation>
    </message>
    <message>
        <source>休息日：周排班%1休息</source>
        <translation>休息日：週排班%1休息</translation>
    </message>
    <message>
        <source>班次：%1，按周排班（%2）</source>
        <translation>班次：%1，依週排班（%2）</translation>
    </message>
    <message>
        <source>休息日：节假日按周排班休息</source>
        <translation>休息日：節假日依週排班休息</translation>
    </message>
    <message>
        <source>班次：%1，调休上班日，按周排班的默认班次上班</source>
        <translation>班次：%1，補班日，依週排班的預設班次上班</translation>
    </message>
    <message>
        <source>班次：%1，没有排班，按时间模式%2</source>
        <translation>班次：%1，沒有排班，依時間模式%2</translation>
    </message>
    <message>
        <source>二</source>
        <translation>二</translation>
    </message>
    <message>
        <source>一</source>
        <translation>一</translation>
    </message>
    <message>
        <source>；结算日历标记为休息日</source>
        <translation>；結算日曆標記為休息日</translation>
    </message>
    <message>
        <source>；当天是节假日（%1），出勤计为节假日加班</source>
        <translation>；當天是節假日（%1），出勤計為節假日加班</translation>
    </message>
</context>
<context>
    <name>DayExplanationPanel</name>
    <message>
        <source>当天判定说明</source>
        <translation>當天判定說明</translation>
    </message>
    <message>
        <source>复制全部</source>
        <translation>複製全部</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>当天判定说明 - %1</source>
        <translation>當天判定說明 - %1</translation>
    </message>
</context>
<context>
    <name>DetectDialog</name>
    <message>
        <source>选择考勤机导出的文件</source>
        <translation>選擇考勤機匯出的檔案</translation>
    </message>
    <message>
        <source>考勤记录 (*.xls *.xlsx *.xlsm *.csv *.dat);;所有文件 (*)</source>
        <translation>考勤記錄 (*.xls *.xlsx *.xlsm *.csv *.dat);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>自动识别考勤记录的格式</source>
        <translation>自動識別考勤記錄的格式</translation>
    </message>
    <message>
        <source>请选择考勤机导出的文件（xls、xlsx、xlsm、csv、dat）。</source>
        <translation>請選擇考勤機匯出的檔案（xls、xlsx、xlsm、csv、dat）。</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;background:%1&apos;&gt;&amp;nbsp;工号&amp;nbsp;&lt;/span&gt; &lt;span style=&apos;background:%2&apos;&gt;&amp;nbsp;姓名&amp;nbsp;&lt;/span&gt; &lt;span style=&apos;background:%3&apos;&gt;&amp;nbsp;日期时间、日期&amp;nbsp;&lt;/span&gt; &lt;span style=&apos;background:%4&apos;&gt;&amp;nbsp;打卡时间&amp;nbsp;&lt;/span&gt; &lt;span style=&apos;color:%5&apos;&gt;红字：跳过的行&lt;/span&gt;</source>
        <translation>&lt;span style=&apos;background:%1&apos;&gt;&amp;nbsp;工號&amp;nbsp;&lt;/span&gt; &lt;span style=&apos;background:%2&apos;&gt;&amp;nbsp;姓名&amp;nbsp;&lt;/span&gt; &lt;span style=&apos;background:%3&apos;&gt;&amp;nbsp;日期時間、日期&amp;nbsp;&lt;/span&gt; &lt;span style=&apos;background:%4&apos;&gt;&amp;nbsp;打卡時間&amp;nbsp;&lt;/span&gt; &lt;span style=&apos;color:%5&apos;&gt;紅字：跳過的列&lt;/span&gt;</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>填入</source>
        <translation>填入</translation>
    </message>
    <message>
        <source>把找到的工号和日期时间单元格填入数据读取位置，再点“保存”</source>
        <translation>把找到的工號和日期時間儲存格填入資料讀取位置，再點「儲存」</translation>
    </message>
    <message>
        <source>选择文件 --&gt;</source>
        <translation>選擇檔案 --&gt;</translation>
    </message>
    <message>
        <source>填入读取位置 --&gt;</source>
        <translation>填入讀取位置 --&gt;</translation>
    </message>
    <message>
        <source>无法读取：</source>
        <translation>無法讀取：</translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation>（%1）</translation>
    </message>
    <message>
        <source>，工作表“%1”</source>
        <translation>，工作表「%1」</translation>
    </message>
    <message>
        <source>，%1 条打卡记录</source>
        <translation>，%1 筆打卡記錄</translation>
    </message>
    <message>
        <source>，跳过 %1 行</source>
        <translation>，跳過 %1 列</translation>
    </message>
    <message>
        <source>；第%1行不是考勤记录</source>
        <translation>；第%1列不是考勤記錄</translation>
    </message>
    <message>
        <source>正在读取，请稍候！</source>
        <translation>正在讀取，請稍候！</translation>
    </message>
    <message>
        <source>文件的前几行</source>
        <translation>檔案的前幾列</translation>
    </message>
</context>
<context>
    <name>DutyGridView</name>
    <message>
        <source>日</source>
        <translation>日</translation>
    </message>
    <message>
        <source>一</source>
        <translation>一</translation>
    </message>
    <message>
        <source>二</source>
        <translation>二</translation>
    </message>
    <message>
        <source>三</source>
        <translation>三</translation>
    </message>
    <message>
        <source>四</source>
        <translation>四</translation>
    </message>
    <message>
        <source>五</source>
        <translation>五</translation>
    </message>
    <message>
        <source>六</source>
        <translation>六</translation>
    </message>
    <message>
        <source>值日安排</source>
        <translation>值日安排</translation>
    </message>
    <message>
        <source>yyyy年M月d日</source>
        <translation>yyyy年M月d日</translation>
    </message>
    <message>
        <source>值日</source>
        <translation>值日</translation>
    </message>
</context>
<context>
    <name>DutyMonth</name>
    <message>
        <source>值日员工“%1”中没有编号与姓名之间的空格，请重新选择员工！</source>
        <translation>值日員工「%1」中沒有編號與姓名之間的空格，請重新選擇員工！</translation>
    </message>
</context>
<context>
    <name>DutyRoster</name>
    <message>
        <source>第 %1 行“%2”不是以日期 00-31 开头的值日记录。</source>
        <translation>第 %1 行「%2」不是以日期 00-31 開頭的值日記錄。</translation>
    </message>
    <message>
        <source>值日文件 %1 格式不正确：%2</source>
        <translation>值日檔案 %1 格式不正確：%2</translation>
    </message>
    <message>
        <source>%1日的值日员工编号“%2”无法保存到值日文件中！</source>
        <translation>%1日的值日員工編號「%2」無法儲存到值日檔案中！</translation>
    </message>
</context>
<context>
    <name>EmployeeRegistrations</name>
    <message>
        <source>序号</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>登记事由</source>
        <translation>登記事由</translation>
    </message>
    <message>
        <source>处理方式</source>
        <translation>處理方式</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>没有访问权限</source>
        <translation>沒有存取權限</translation>
    </message>
    <message>
        <source>不允许此操作</source>
        <translation>不允許此操作</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>檔案或資料夾不存在</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>磁碟空間不足</translation>
    </message>
    <message>
        <source>超出磁盘配额</source>
        <translation>超出磁碟配額</translation>
    </message>
    <message>
        <source>磁盘为只读</source>
        <translation>磁碟為唯讀</translation>
    </message>
    <message>
        <source>这是一个文件夹</source>
        <translation>這是一個資料夾</translation>
    </message>
    <message>
        <source>路径中有一项不是文件夹</source>
        <translation>路徑中有一項不是資料夾</translation>
    </message>
    <message>
        <source>文件已存在</source>
        <translation>檔案已存在</translation>
    </message>
    <message>
        <source>文件名太长</source>
        <translation>檔名太長</translation>
    </message>
    <message>
        <source>打开的文件太多</source>
        <translation>開啟的檔案太多</translation>
    </message>
    <message>
        <source>磁盘读写出错</source>
        <translation>磁碟讀寫出錯</translation>
    </message>
    <message>
        <source>文件正被占用</source>
        <translation>檔案正被佔用</translation>
    </message>
    <message>
        <source>网络文件夹已断开</source>
        <translation>網路資料夾已斷開</translation>
    </message>
</context>
<context>
    <name>FolderImport</name>
    <message>
        <source>请先选择考勤所在目录！</source>
        <translation>請先選擇考勤所在資料夾！</translation>
    </message>
    <message>
        <source>考勤所在目录不存在：%1</source>
        <translation>考勤所在資料夾不存在：%1</translation>
    </message>
    <message>
        <source>考勤所在目录不是文件夹：%1</source>
        <translation>考勤所在資料夾不是資料夾：%1</translation>
    </message>
    <message>
        <source>无法读取考勤所在目录：%1</source>
        <translation>無法讀取考勤所在資料夾：%1</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>另一位用户</source>
        <translation>另一位使用者</translation>
    </message>
    <message>
        <source>（电脑 %1）</source>
        <translation>（電腦 %1）</translation>
    </message>
    <message>
        <source>%1自 %2 起</source>
        <translation>%1自 %2 起</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>沒有寫入權限</translation>
    </message>
    <message>
        <source>无法建立 %1</source>
        <translation>無法建立 %1</translation>
    </message>
    <message>
        <source>本次未保存。</source>
        <translation>本次未儲存。</translation>
    </message>
    <message>
        <source>本窗口已不再独占程序文件夹 %1：它现由%2使用。%3
请关闭本窗口后重新打开本程序。</source>
        <translation>本視窗已不再獨佔程式資料夾 %1：它現由%2使用。%3
請關閉本視窗後重新開啟本程式。</translation>
    </message>
    <message>
        <source>本窗口为只读：程序文件夹 %1 无法写入（%2）。%3</source>
        <translation>本視窗為唯讀：程式資料夾 %1 無法寫入（%2）。%3</translation>
    </message>
    <message>
        <source>本窗口为只读：打开时程序文件夹 %1 正由另一个窗口使用。%2
请重新打开本程序后再保存。</source>
        <translation>本視窗為唯讀：開啟時程式資料夾 %1 正由另一個視窗使用。%2
請重新開啟本程式後再儲存。</translation>
    </message>
    <message>
        <source>本窗口为只读：程序文件夹 %1 正由%2使用。%3
请等对方关闭程序后，重新打开本程序再保存。</source>
        <translation>本視窗為唯讀：程式資料夾 %1 正由%2使用。%3
請等對方關閉程式後，重新開啟本程式再儲存。</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>今日</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>登记值日</source>
        <translation>登記值日</translation>
    </message>
    <message>
        <source>考勤统计</source>
        <translation>考勤統計</translation>
    </message>
    <message>
        <source>系统设置</source>
        <translation>系統設定</translation>
    </message>
    <message>
        <source>程序说明</source>
        <translation>程式說明</translation>
    </message>
    <message>
        <source>日期控件未能载入，无法取得所选日期，当前工作日期未改变！</source>
        <translation>日期控制元件未能載入，無法取得所選日期，目前工作日期未改變！</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>是否确定退出本程序？</source>
        <translation>是否確定結束本程式？</translation>
    </message>
    <message>
        <source>Tarnby考勤助手2.0（只读）</source>
        <translation>Tarnby考勤助手2.0（唯讀）</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>选取文件夹</source>
        <translation>選取資料夾</translation>
    </message>
    <message>
        <source>选择考勤文件所在目录：</source>
        <translation>選擇考勤檔案所在資料夾：</translation>
    </message>
    <message>
        <source>确 定</source>
        <translation>確 定</translation>
    </message>
    <message>
        <source>取 消</source>
        <translation>取 消</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>資料夾</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>只写入了一部分，磁盘可能已满</source>
        <translation>只寫入了一部分，磁碟可能已滿</translation>
    </message>
    <message>
        <source>无法读取变更记录 %1（%2）</source>
        <translation>無法讀取變更記錄 %1（%2）</translation>
    </message>
    <message>
        <source>%1 的这个版本已不在变更记录中（每个文件只保留最近 %2 个版本）。</source>
        <translation>%1 的這個版本已不在變更記錄中（每個檔案只保留最近 %2 個版本）。</translation>
    </message>
    <message>
        <source>无法读取文件：%1（%2）</source>
        <translation>無法讀取檔案：%1（%2）</translation>
    </message>
    <message>
        <source>%1 现在就是 %2 的版本，无需恢复。</source>
        <translation>%1 現在就是 %2 的版本，無需恢復。</translation>
    </message>
    <message>
        <source>恢复为 %1 的版本</source>
        <translation>恢復為 %1 的版本</translation>
    </message>
    <message>
        <source>%1 已恢复为 %2 的版本。</source>
        <translation>%1 已恢復為 %2 的版本。</translation>
    </message>
    <message>
        <source>无法建立文件夹 %1</source>
        <translation>無法建立資料夾 %1</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>所选变更增加（+）和删除（-）的行：</source>
        <translation>所選變更增加（+）和刪除（-）的行：</translation>
    </message>
    <message>
        <source>恢复为修改前的版本</source>
        <translation>恢復為修改前的版本</translation>
    </message>
    <message>
        <source>恢复为修改后的版本</source>
        <translation>恢復為修改後的版本</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>%1年%2月的登记、值日、休息日和排班文件的变更，最新的在前。</source>
        <translation>%1年%2月的登記、值日、休息日和排班檔案的變更，最新的在前。</translation>
    </message>
    <message>
        <source>
变更记录中有 %1 行无法识别，未列出。</source>
        <translation>
變更記錄中有 %1 行無法識別，未列出。</translation>
    </message>
    <message>
        <source>
本月的文件还没有变更记录。</source>
        <translation>
本月的檔案還沒有變更記錄。</translation>
    </message>
    <message>
        <source>（内容没有变化）</source>
        <translation>（內容沒有變化）</translation>
    </message>
    <message>
        <source>修改前</source>
        <translation>修改前</translation>
    </message>
    <message>
        <source>修改后</source>
        <translation>修改後</translation>
    </message>
    <message>
        <source>确定把 %1 恢复为 %2 这次变更%3的版本吗？
恢复本身也会记入变更记录；登记值日页上未保存的修改将被恢复的内容取代。</source>
        <translation>確定把 %1 恢復為 %2 這次變更%3的版本嗎？
恢復本身也會記入變更記錄；登記值日頁上未儲存的修改將被恢復的內容取代。</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>用户</source>
        <translation>使用者</translation>
    </message>
    <message>
        <source>电脑</source>
        <translation>電腦</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>增加</source>
        <translation>增加</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>变更记录</source>
        <translation>變更記錄</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>节假日文件 %1 第%2行无法识别：%3
每行应为“yyyy-mm-dd 节日名称”或“yyyy-mm-dd 上班”，# 之后为注释。该文件未被使用。</source>
        <translation>國定假日檔案 %1 第%2行無法識別：%3
每行應為「yyyy-mm-dd 節日名稱」或「yyyy-mm-dd 上班」，# 之後為註釋。該檔案未被使用。</translation>
    </message>
    <message>
        <source>找不到节假日文件：%1
节假日无法标记。该文件随程序提供，请把它放回程序文件夹；每行一天，如“2026-10-01 国庆节”或“2026-10-10 上班”。</source>
        <translation>找不到國定假日檔案：%1
國定假日無法標記。該檔案隨程式提供，請把它放回程式資料夾；每行一天，如「2026-10-01 國慶節」或「2026-10-10 上班」。</translation>
    </message>
    <message>
        <source>
节假日文件未被使用。</source>
        <translation>
國定假日檔案未被使用。</translation>
    </message>
</context>
<context>
    <name>InfoPage</name>
    <message>
        <source>&lt;p style=&quot;margin-top:0&quot;&gt;&lt;b&gt;Tarnby考勤助手&lt;/b&gt;读取考勤机导出的 xls 考勤记录，按员工逐日列出上午、下午的上下班打卡时间，判断迟到、漏打、旷工、加班与休息日加班，结合特殊情况登记和值日安排，统计出一个结算周期的考勤结果。&lt;/p&gt;&lt;p&gt;&lt;b&gt;使用步骤&lt;/b&gt;&lt;/p&gt;&lt;ol style=&quot;margin-left:-20px&quot;&gt;&lt;li&gt;[系统设置] 录入员工编号与姓名，设定上下班时间和考勤记录在表格中的读取位置，分别保存。&lt;/li&gt;&lt;li&gt;[登记值日] 为请假、漏打、处罚等特殊情况登记，并安排值日员工，记得保存。&lt;/li&gt;&lt;li&gt;[考勤统计] 选择起始年月与月结制式（月初制或月中制），在日历上用鼠标左键标记休息日、右键取消，或点击“一键标记”标出周末和节假日；标记随即保存，下次打开仍在。&lt;/li&gt;&lt;li&gt;点击“读取记录”，选择考勤文件所在目录，再点击“读取文件夹数据”读入全部考勤记录。&lt;/li&gt;&lt;li&gt;在员工列表中选择员工，点击“刷新列表”即得当期考勤列表与统计；备注中的*号表示当天有特殊情况登记，点击列表下方的“* * *”可查看详情。&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;&lt;b&gt;小贴士&lt;/b&gt;：设置保存在程序目录的 Init.ini 中，登记、值日与休息日按月保存在 SrDate 目录中；把 1001.jpg、1002.jpg（或 1002.gif）、1003.jpg、1004.jpg 放入程序目录的 Skin 目录即可更换界面图片。&lt;/p&gt;&lt;p&gt;&lt;b&gt;节假日&lt;/b&gt;：“一键标记”所用的节假日安排在程序目录的 Holidays.txt 中，已含 2025、2026 年。每年公布次年的放假安排后，请照其格式添加到该文件末尾：每行一天，如“2027-01-01 元旦”，调休上班的周末写“上班”，以 UTF-8 编码保存。&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;margin-top:0&quot;&gt;&lt;b&gt;Tarnby考勤助手&lt;/b&gt;讀取考勤機匯出的 xls 考勤記錄，按員工逐日列出上午、下午的上下班打卡時間，判斷遲到、漏打、曠工、加班與休息日加班，結合特殊情況登記和值日安排，統計出一個結算週期的考勤結果。&lt;/p&gt;&lt;p&gt;&lt;b&gt;使用步驟&lt;/b&gt;&lt;/p&gt;&lt;ol style=&quot;margin-left:-20px&quot;&gt;&lt;li&gt;[系統設定] 錄入員工編號與姓名，設定上下班時間和考勤記錄在表格中的讀取位置，分別儲存。&lt;/li&gt;&lt;li&gt;[登記值日] 為請假、漏打、處罰等特殊情況登記，並安排值日員工，記得儲存。&lt;/li&gt;&lt;li&gt;[考勤統計] 選擇起始年月與月結制式（月初制或月中制），在日曆上用滑鼠左鍵標記休息日、右鍵取消，或點選「一鍵標記」標出週末和國定假日；標記隨即儲存，下次開啟仍在。&lt;/li&gt;&lt;li&gt;點選「讀取記錄」，選擇考勤檔案所在資料夾，再點選「讀取資料夾資料」讀入全部考勤記錄。&lt;/li&gt;&lt;li&gt;在員工列表中選擇員工，點選「重新整理列表」即得當期考勤列表與統計；備註中的*號表示當天有特殊情況登記，點選列表下方的「* * *」可檢視詳情。&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;&lt;b&gt;小貼士&lt;/b&gt;：設定儲存在程式資料夾的 Init.ini 中，登記、值日與休息日按月儲存在 SrDate 資料夾中；把 1001.jpg、1002.jpg（或 1002.gif）、1003.jpg、1004.jpg 放入程式資料夾的 Skin 資料夾即可更換介面圖片。&lt;/p&gt;&lt;p&gt;&lt;b&gt;國定假日&lt;/b&gt;：「一鍵標記」所用的國定假日安排在程式資料夾的 Holidays.txt 中，已含 2025、2026 年。每年公佈次年的放假安排後，請照其格式新增到該檔案末尾：每行一天，如「2027-01-01 元旦」，補班的週末寫「上班」，以 UTF-8 編碼儲存。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>程序说明</source>
        <translation>程式說明</translation>
    </message>
    <message>
        <source>Tarnby考勤助手2.0</source>
        <translation>Tarnby考勤助手2.0</translation>
    </message>
    <message>
        <source>语言：</source>
        <translation>語言：</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>跟隨系統</translation>
    </message>
    <message>
        <source>重新启动程序后使用所选语言。</source>
        <translation>重新啟動程式後使用所選語言。</translation>
    </message>
    <message>
        <source>无法保存语言选择：程序文件夹不可写入。</source>
        <translation>無法儲存語言選擇：程式資料夾不可寫入。</translation>
    </message>
    <message>
        <source>&lt;b&gt;键盘操作&lt;/b&gt;&lt;br&gt;Ctrl+1 … Ctrl+5：切换五个页面&lt;br&gt;Tab / Shift+Tab：在控件间移动&lt;br&gt;Enter 或空格：按下按钮&lt;br&gt;方向键、PageUp/PageDown、Home/End：在日历中移动&lt;br&gt;Shift+PageUp/Down：上一年、下一年&lt;br&gt;Enter：选定日期或标记休息日；空格：标记或取消休息日&lt;br&gt;汇总表中 Enter：查看该员工</source>
        <translation>&lt;b&gt;鍵盤操作&lt;/b&gt;&lt;br&gt;Ctrl+1 … Ctrl+5：切換五個頁面&lt;br&gt;Tab / Shift+Tab：在控制項間移動&lt;br&gt;Enter 或空白鍵：按下按鈕&lt;br&gt;方向鍵、PageUp/PageDown、Home/End：在日曆中移動&lt;br&gt;Shift+PageUp/Down：上一年、下一年&lt;br&gt;Enter：選定日期或標記休息日；空白鍵：標記或取消休息日&lt;br&gt;彙總表中 Enter：檢視該員工</translation>
    </message>
    <message>
        <source>键盘操作</source>
        <translation>鍵盤操作</translation>
    </message>
</context>
<context>
    <name>LundarHost</name>
    <message>
        <source>找不到日期控件 Lundar.Lundar1（应在 %1 中）</source>
        <translation>找不到日期控制元件 Lundar.Lundar1（應在 %1 中）</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
    <message>
        <source>：</source>
        <translation>：</translation>
    </message>
    <message>
        <source>。<byte value="xd"/>
今日页只显示公历日期，农历与日期选择不可用。</source>
        <translation>。</translation>
    </message>
</context>
<context>
    <name>MessageSeam</name>
    <message>
        <source>重新载入</source>
        <translation>重新載入</translation>
    </message>
    <message>
        <source>覆盖</source>
        <translation>覆蓋</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Tarnby考勤助手2.0</source>
        <translation>Tarnby考勤助手2.0</translation>
    </message>
</context>
<context>
    <name>MonthFile</name>
    <message>
        <source>请输入有效的年份(1901-2100)！</source>
        <translation>請輸入有效的年份(1901-2100)！</translation>
    </message>
    <message>
        <source>请输入正确的月份！</source>
        <translation>請輸入正確的月份！</translation>
    </message>
    <message>
        <source>找不到文件夹：%1
该文件夹应与程序放在一起，请恢复后再保存。</source>
        <translation>找不到資料夾：%1
該資料夾應與程式放在一起，請恢復後再儲存。</translation>
    </message>
</context>
<context>
    <name>PickerEntry</name>
    <message>
        <source>====请选择====</source>
        <translation>====請選擇====</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>找不到程序文件夹：%1（由 %2 指定）。</source>
        <translation>找不到程式資料夾：%1（由 %2 指定）。</translation>
    </message>
    <message>
        <source>无法读取默认文件 %1：%2。</source>
        <translation>無法讀取預設檔案 %1：%2。</translation>
    </message>
    <message>
        <source>无法写入 %1：%2。</source>
        <translation>無法寫入 %1：%2。</translation>
    </message>
    <message>
        <source>找不到默认的配置文件 %1，无法在 %2 中建立程序文件夹。程序可能没有完整安装。</source>
        <translation>找不到預設的設定檔 %1，無法在 %2 中建立程式資料夾。程式可能沒有完整安裝。</translation>
    </message>
    <message>
        <source>无法建立程序文件夹：%1。</source>
        <translation>無法建立程式資料夾：%1。</translation>
    </message>
    <message>
        <source>无法在程序文件夹中建立 %1 文件夹：%2。</source>
        <translation>無法在程式資料夾中建立 %1 資料夾：%2。</translation>
    </message>
    <message>
        <source>环境变量 TARNBY_HOME</source>
        <translation>環境變數 TARNBY_HOME</translation>
    </message>
    <message>
        <source>找不到用户的数据文件夹，无法建立程序文件夹。请用环境变量 TARNBY_HOME 指定程序文件夹。</source>
        <translation>找不到使用者的資料夾，無法建立程式資料夾。請用環境變數 TARNBY_HOME 指定程式資料夾。</translation>
    </message>
    <message>
        <source>由 --home 指定</source>
        <translation>由 --home 指定</translation>
    </message>
    <message>
        <source>由环境变量 TARNBY_HOME 指定</source>
        <translation>由環境變數 TARNBY_HOME 指定</translation>
    </message>
    <message>
        <source>程序所在的文件夹</source>
        <translation>程式所在的資料夾</translation>
    </message>
    <message>
        <source>用户的数据文件夹</source>
        <translation>使用者的資料夾</translation>
    </message>
    <message>
        <source>程序文件夹：%1（%2）</source>
        <translation>程式資料夾：%1（%2）</translation>
    </message>
</context>
<context>
    <name>ReadReport</name>
    <message>
        <source>按数据读取位置读取，每行一条打卡</source>
        <translation>按資料讀取位置讀取，每列一筆打卡</translation>
    </message>
    <message>
        <source>考勤机月报表，每人每天的打卡时间在一格中</source>
        <translation>考勤機月報表，每人每天的打卡時間在一格中</translation>
    </message>
    <message>
        <source>带表头的考勤表</source>
        <translation>帶表頭的考勤表</translation>
    </message>
    <message>
        <source>考勤机原始记录，无表头</source>
        <translation>考勤機原始記錄，無表頭</translation>
    </message>
    <message>
        <source>未识别出表格样式，按数据读取位置读取</source>
        <translation>未識別出表格樣式，按資料讀取位置讀取</translation>
    </message>
    <message>
        <source>日期时间在一列，每行一条打卡</source>
        <translation>日期時間在一欄，每列一筆打卡</translation>
    </message>
    <message>
        <source>日期列和时间列，每行一条打卡</source>
        <translation>日期欄和時間欄，每列一筆打卡</translation>
    </message>
    <message>
        <source>日期列和多个打卡时间，每行一人一天</source>
        <translation>日期欄和多個打卡時間，每列一人一天</translation>
    </message>
    <message>
        <source>工号为空</source>
        <translation>工號為空</translation>
    </message>
    <message>
        <source>日期早于2000年</source>
        <translation>日期早於2000年</translation>
    </message>
    <message>
        <source>日期晚于今天一年以上，考勤机时钟可能有误</source>
        <translation>日期晚於今天一年以上，考勤機時鐘可能有誤</translation>
    </message>
    <message>
        <source>日期无法识别</source>
        <translation>日期無法識別</translation>
    </message>
    <message>
        <source>时间无法识别</source>
        <translation>時間無法識別</translation>
    </message>
    <message>
        <source>没有打卡时间</source>
        <translation>沒有打卡時間</translation>
    </message>
    <message>
        <source>文件无法打开</source>
        <translation>檔案無法開啟</translation>
    </message>
    <message>
        <source>不是可以读取的考勤文件</source>
        <translation>不是可以讀取的考勤檔案</translation>
    </message>
    <message>
        <source>文件设有打开密码</source>
        <translation>檔案設有開啟密碼</translation>
    </message>
    <message>
        <source>文件已损坏</source>
        <translation>檔案已損壞</translation>
    </message>
    <message>
        <source>文件的版本或大小无法读取</source>
        <translation>檔案的版本或大小無法讀取</translation>
    </message>
    <message>
        <source>工号</source>
        <translation>工號</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>日期时间</source>
        <translation>日期時間</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>日</source>
        <translation>日</translation>
    </message>
</context>
<context>
    <name>ReadReportView</name>
    <message>
        <source>工号</source>
        <translation>工號</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>读取失败</source>
        <translation>讀取失敗</translation>
    </message>
    <message>
        <source>：</source>
        <translation>：</translation>
    </message>
    <message>
        <source>第%1行</source>
        <translation>第%1列</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>读取方式</source>
        <translation>讀取方式</translation>
    </message>
    <message>
        <source>记录数</source>
        <translation>記錄數</translation>
    </message>
    <message>
        <source>跳过</source>
        <translation>跳過</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>打卡记录</source>
        <translation>打卡記錄</translation>
    </message>
    <message>
        <source>姓名可以修改；没有姓名的员工请先填写姓名</source>
        <translation>姓名可以修改；沒有姓名的員工請先填寫姓名</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>将表中的工号和姓名添加到员工编号列表并保存</source>
        <translation>將表中的工號和姓名新增到員工編號列表並儲存</translation>
    </message>
    <message>
        <source>添加到员工列表 --&gt;</source>
        <translation>新增到員工列表 --&gt;</translation>
    </message>
    <message>
        <source>第%1行不是考勤记录，请检查数据读取位置</source>
        <translation>第%1列不是考勤記錄，請檢查資料讀取位置</translation>
    </message>
    <message>
        <source>工作表“%1”</source>
        <translation>工作表「%1」</translation>
    </message>
    <message>
        <source>考勤期间 %1 至 %2，第%3行为日期</source>
        <translation>考勤期間 %1 至 %2，第%3列為日期</translation>
    </message>
    <message>
        <source>第%1行表头</source>
        <translation>第%1列表頭</translation>
    </message>
    <message>
        <source>从第%1行起</source>
        <translation>從第%1列起</translation>
    </message>
    <message>
        <source>%1 个日期列</source>
        <translation>%1 個日期欄</translation>
    </message>
    <message>
        <source>，</source>
        <translation>，</translation>
    </message>
    <message>
        <source>；</source>
        <translation>；</translation>
    </message>
    <message>
        <source>“%1”第%2行也像是一条打卡记录，但读取从第%3行开始，这一行没有读入；文件如果没有表头，请把数据读取位置改到第%2行。</source>
        <translation>「%1」第%2列也像是一筆打卡記錄，但讀取從第%3列開始，這一列沒有讀入；檔案如果沒有表頭，請把資料讀取位置改到第%2列。</translation>
    </message>
    <message>
        <source>%1 个文件 %2 条</source>
        <translation>%1 個檔案 %2 筆</translation>
    </message>
    <message>
        <source>，识别 %1 个</source>
        <translation>，識別 %1 個</translation>
    </message>
    <message>
        <source>，跳过 %1 行</source>
        <translation>，跳過 %1 列</translation>
    </message>
    <message>
        <source>，%1 个工号未登记</source>
        <translation>，%1 個工號未登記</translation>
    </message>
    <message>
        <source>另有 %1 行</source>
        <translation>另有 %1 列</translation>
    </message>
    <message>
        <source>打卡的工号都已在员工编号列表中。</source>
        <translation>打卡的工號都已在員工編號列表中。</translation>
    </message>
    <message>
        <source>以下 %1 个工号不在员工编号列表中：</source>
        <translation>以下 %1 個工號不在員工編號列表中：</translation>
    </message>
    <message>
        <source>没有添加任何员工。</source>
        <translation>沒有新增任何員工。</translation>
    </message>
    <message>
        <source>工号“%1”：%2</source>
        <translation>工號「%1」：%2</translation>
    </message>
    <message>
        <source>工号“%1”的姓名“%2”中有员工编号列表无法保存的字符，请在表中修改后再试。</source>
        <translation>工號「%1」的姓名「%2」中有員工編號列表無法儲存的字元，請在表中修改後再試。</translation>
    </message>
    <message>
        <source>已添加 %1 个员工到员工编号列表。</source>
        <translation>已新增 %1 個員工到員工編號列表。</translation>
    </message>
    <message>
        <source>读取报告</source>
        <translation>讀取報告</translation>
    </message>
    <message>
        <source>读取的文件</source>
        <translation>讀取的檔案</translation>
    </message>
    <message>
        <source>工号与打卡记录</source>
        <translation>工號與打卡紀錄</translation>
    </message>
    <message>
        <source>%1列</source>
        <translation>%1欄</translation>
    </message>
    <message>
        <source>%1列 %2</source>
        <translation>%1欄 %2</translation>
    </message>
</context>
<context>
    <name>Registration</name>
    <message>
        <source>应有 5 项，以“##”分隔，实有 %1 项</source>
        <translation>應有 5 項，以「##」分隔，實有 %1 項</translation>
    </message>
    <message>
        <source>%1中不能含有“##”，它是登记文件的分隔符！</source>
        <translation>%1中不能含有「##」，它是登記檔案的分隔符！</translation>
    </message>
    <message>
        <source>%1中不能含有换行！</source>
        <translation>%1中不能含有換行！</translation>
    </message>
    <message>
        <source>%1中含有无法保存的字符，请删除后再试！</source>
        <translation>%1中含有無法儲存的字元，請刪除後再試！</translation>
    </message>
    <message>
        <source>登记文件 %1 第 %2 行格式不正确（%3）。</source>
        <translation>登記檔案 %1 第 %2 行格式不正確（%3）。</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>編號</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>登记事由</source>
        <translation>登記事由</translation>
    </message>
    <message>
        <source>处理方式</source>
        <translation>處理方式</translation>
    </message>
</context>
<context>
    <name>RegistrationBoxRules</name>
    <message>
        <source>中不能含有“##”，也不能以“#”开头或结尾，“##”是登记文件的分隔符！</source>
        <translation>中不能含有「##」，也不能以「#」開頭或結尾，「##」是登記檔案的分隔符！</translation>
    </message>
    <message>
        <source>登记事由</source>
        <translation>登記事由</translation>
    </message>
    <message>
        <source>员工编号</source>
        <translation>員工編號</translation>
    </message>
    <message>
        <source>员工姓名</source>
        <translation>員工姓名</translation>
    </message>
</context>
<context>
    <name>RegistrationDutyPage</name>
    <message>
        <source>文件 %1 未能读出，为免覆盖其中原有的内容，本次未保存。请先修正该文件，再重新载入该月。</source>
        <translation>檔案 %1 未能讀出，為免覆蓋其中原有的內容，本次未儲存。請先修正該檔案，再重新載入該月。</translation>
    </message>
    <message>
        <source>员工特殊情况登记</source>
        <translation>員工特殊情況登記</translation>
    </message>
    <message>
        <source>登记员工：</source>
        <translation>登記員工：</translation>
    </message>
    <message>
        <source>登记日期：</source>
        <translation>登記日期：</translation>
    </message>
    <message>
        <source>月</source>
        <translation>月</translation>
    </message>
    <message>
        <source>日</source>
        <translation>日</translation>
    </message>
    <message>
        <source>登记事由：</source>
        <translation>登記事由：</translation>
    </message>
    <message>
        <source>处理方式：</source>
        <translation>處理方式：</translation>
    </message>
    <message>
        <source>查看本月变更记录 --&gt;</source>
        <translation>檢視本月變更記錄 --&gt;</translation>
    </message>
    <message>
        <source>记录</source>
        <translation>記錄</translation>
    </message>
    <message>
        <source>1、请选择值日员工</source>
        <translation>1、請選擇值日員工</translation>
    </message>
    <message>
        <source>2、请选择日期</source>
        <translation>2、請選擇日期</translation>
    </message>
    <message>
        <source>年</source>
        <translation>年</translation>
    </message>
    <message>
        <source>左键点击日期安排值日，右键点击取消。</source>
        <translation>左鍵點選日期安排值日，右鍵點選取消。</translation>
    </message>
    <message>
        <source>3、操作完成后请注意保存。</source>
        <translation>3、操作完成後請注意儲存。</translation>
    </message>
    <message>
        <source>保存值日安排 --&gt;</source>
        <translation>儲存值日安排 --&gt;</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>按月排班次 --&gt;</source>
        <translation>按月排班次 --&gt;</translation>
    </message>
    <message>
        <source>排班表</source>
        <translation>排班表</translation>
    </message>
    <message>
        <source>每月的班次排班：白班、夜班、轮换与休息</source>
        <translation>每月的班次排班：白班、夜班、輪換與休息</translation>
    </message>
    <message>
        <source>添加到登记列表 --&gt;</source>
        <translation>新增到登記列表 --&gt;</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>删除已勾选的登记 --&gt;</source>
        <translation>刪除已勾選的登記 --&gt;</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>保存本月登记信息 --&gt;</source>
        <translation>儲存本月登記資訊 --&gt;</translation>
    </message>
    <message>
        <source>载入值日月份</source>
        <translation>載入值日月份</translation>
    </message>
    <message>
        <source>按“%1”排序</source>
        <translation>按「%1」排序</translation>
    </message>
    <message>
        <source>当前按此列升序排列</source>
        <translation>目前依此欄遞增排序</translation>
    </message>
    <message>
        <source>当前按此列降序排列</source>
        <translation>目前依此欄遞減排序</translation>
    </message>
</context>
<context>
    <name>RegistrationList</name>
    <message>
        <source>编号</source>
        <translation>編號</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>登记事由</source>
        <translation>登記事由</translation>
    </message>
    <message>
        <source>处理方式</source>
        <translation>處理方式</translation>
    </message>
    <message>
        <source>登记员工“%1”中没有编号与姓名之间的空格，请重新选择员工！</source>
        <translation>登記員工「%1」中沒有編號與姓名之間的空格，請重新選擇員工！</translation>
    </message>
    <message>
        <source>员工编号</source>
        <translation>員工編號</translation>
    </message>
    <message>
        <source>登记日期</source>
        <translation>登記日期</translation>
    </message>
    <message>
        <source>员工姓名</source>
        <translation>員工姓名</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>无法写入文件“%1”：%2。原有文件保持不变。</source>
        <translation>無法寫入檔案「%1」：%2。原有檔案保持不變。</translation>
    </message>
    <message>
        <source>文件夹“%1”不存在</source>
        <translation>資料夾「%1」不存在</translation>
    </message>
    <message>
        <source>已有同名的文件夹</source>
        <translation>已有同名的資料夾</translation>
    </message>
    <message>
        <source>原文件是只读的</source>
        <translation>原檔案是唯讀的</translation>
    </message>
    <message>
        <source>文件正被其他程序打开，请先关闭它</source>
        <translation>檔案正被其他程式開啟，請先關閉它</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>磁碟空間不足</translation>
    </message>
    <message>
        <source>文件超出了允许的大小</source>
        <translation>檔案超出了允許的大小</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>沒有寫入權限</translation>
    </message>
    <message>
        <source>磁盘是只读的</source>
        <translation>磁碟是唯讀的</translation>
    </message>
    <message>
        <source>磁盘读写出错</source>
        <translation>磁碟讀寫出錯</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>資料夾不存在</translation>
    </message>
    <message>
        <source>写入出错</source>
        <translation>寫入出錯</translation>
    </message>
    <message>
        <source>无法在文件夹中新建文件（%1）</source>
        <translation>無法在資料夾中新增檔案（%1）</translation>
    </message>
</context>
<context>
    <name>ReportGrid</name>
    <message>
        <source>正常</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>迟到</source>
        <translation>遲到</translation>
    </message>
    <message>
        <source>早退</source>
        <translation>早退</translation>
    </message>
    <message>
        <source>漏打</source>
        <translation>漏打</translation>
    </message>
    <message>
        <source>病假</source>
        <translation>病假</translation>
    </message>
    <message>
        <source>事假</source>
        <translation>事假</translation>
    </message>
    <message>
        <source>旷工</source>
        <translation>曠工</translation>
    </message>
    <message>
        <source>休息日</source>
        <translation>休息日</translation>
    </message>
    <message>
        <source>加班</source>
        <translation>加班</translation>
    </message>
    <message>
        <source>值日</source>
        <translation>值日</translation>
    </message>
    <message>
        <source>图例：%1。灰底为周末和节假日；行末为各符号的天数。</source>
        <translation>圖例：%1。灰底為週末和國定假日；行末為各符號的天數。</translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <translation>&#x3000;</translation>
    </message>
    <message>
        <source>考勤表  %1  %2  时间%3</source>
        <translation>考勤表  %1  %2  時間%3</translation>
    </message>
    <message>
        <source>＿＿＿＿＿＿</source>
        <translation>＿＿＿＿＿＿</translation>
    </message>
    <message>
        <source>制表人：%1&#x3000;&#x3000;&#x3000;&#x3000;审核人：%2</source>
        <translation>製表人：%1&#x3000;&#x3000;&#x3000;&#x3000;審核人：%2</translation>
    </message>
</context>
<context>
    <name>ReportModel</name>
    <message>
        <source>%1年%2月%3日</source>
        <translation>%1年%2月%3日</translation>
    </message>
    <message>
        <source>月初制</source>
        <translation>月初制</translation>
    </message>
    <message>
        <source>月中制</source>
        <translation>月中制</translation>
    </message>
    <message>
        <source>模式二（朝九晚五）</source>
        <translation>模式二（朝九晚五）</translation>
    </message>
    <message>
        <source>模式一（行政班制）</source>
        <translation>模式一（行政班制）</translation>
    </message>
    <message>
        <source>考勤汇总  %1  %2  时间%3</source>
        <translation>考勤彙總  %1  %2  時間%3</translation>
    </message>
    <message>
        <source>无</source>
        <comment>no rest days</comment>
        <translation>無</translation>
    </message>
    <message>
        <source>MM月dd日</source>
        <translation>MM月dd日</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
    <message>
        <source>员工</source>
        <translation>員工</translation>
    </message>
    <message>
        <source>(天)</source>
        <translation>(天)</translation>
    </message>
    <message>
        <source>罚款(元)</source>
        <translation>罰款(元)</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>星期</source>
        <translation>星期</translation>
    </message>
    <message>
        <source>A上班</source>
        <translation>A上班</translation>
    </message>
    <message>
        <source>A下班</source>
        <translation>A下班</translation>
    </message>
    <message>
        <source>P上班</source>
        <translation>P上班</translation>
    </message>
    <message>
        <source>P下班</source>
        <translation>P下班</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>登记事由</source>
        <translation>登記事由</translation>
    </message>
    <message>
        <source>处理方式</source>
        <translation>處理方式</translation>
    </message>
    <message>
        <source>有</source>
        <translation>有</translation>
    </message>
    <message>
        <source>无</source>
        <translation>無</translation>
    </message>
    <message>
        <source>结算期</source>
        <translation>結算期</translation>
    </message>
    <message>
        <source>月结制式</source>
        <translation>月結制式</translation>
    </message>
    <message>
        <source>时间模式</source>
        <translation>時間模式</translation>
    </message>
    <message>
        <source>休息日</source>
        <translation>休息日</translation>
    </message>
    <message>
        <source>数据目录</source>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>制表时间</source>
        <translation>製表時間</translation>
    </message>
    <message>
        <source>程序版本</source>
        <translation>程式版本</translation>
    </message>
    <message>
        <source>员工人数</source>
        <translation>員工人數</translation>
    </message>
    <message>
        <source>罚款合计(元)</source>
        <translation>罰款合計(元)</translation>
    </message>
    <message>
        <source>罚款金额无法识别，未计入合计</source>
        <translation>罰款金額無法識別，未計入合計</translation>
    </message>
</context>
<context>
    <name>ReportPayroll</name>
    <message>
        <source>部门</source>
        <translation>部門</translation>
    </message>
    <message>
        <source>迟到(分钟)</source>
        <translation>遲到(分鐘)</translation>
    </message>
    <message>
        <source>早退(次)</source>
        <translation>早退(次)</translation>
    </message>
    <message>
        <source>早退(分钟)</source>
        <translation>早退(分鐘)</translation>
    </message>
    <message>
        <source>加班平日(小时)</source>
        <translation>加班平日(小時)</translation>
    </message>
    <message>
        <source>加班休息日(小时)</source>
        <translation>加班休息日(小時)</translation>
    </message>
    <message>
        <source>加班节假日(小时)</source>
        <translation>加班國定假日(小時)</translation>
    </message>
    <message>
        <source>%1 小计（%2人）</source>
        <translation>%1 小計（%2人）</translation>
    </message>
    <message>
        <source>合计（%1人）</source>
        <translation>合計（%1人）</translation>
    </message>
    <message>
        <source>%1人</source>
        <translation>%1人</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>迟到(分钟)</source>
        <translation>遲到(分鐘)</translation>
    </message>
    <message>
        <source>早退(次)</source>
        <translation>早退(次)</translation>
    </message>
    <message>
        <source>早退(分钟)</source>
        <translation>早退(分鐘)</translation>
    </message>
    <message>
        <source>加班平日(小时)</source>
        <translation>加班平日(小時)</translation>
    </message>
    <message>
        <source>加班休息日(小时)</source>
        <translation>加班休息日(小時)</translation>
    </message>
    <message>
        <source>加班节假日(小时)</source>
        <translation>加班國定假日(小時)</translation>
    </message>
    <message>
        <source>考勤月报  </source>
        <translation>考勤月報  </translation>
    </message>
    <message>
        <source>  时间</source>
        <translation>  時間</translation>
    </message>
    <message>
        <source>第 %1 页，共 %2 页</source>
        <translation>第 %1 頁，共 %2 頁</translation>
    </message>
    <message>
        <source>考勤汇总</source>
        <translation>考勤彙總</translation>
    </message>
    <message>
        <source>结算期：%1    月结制式：%2    时间模式：%3</source>
        <translation>結算期：%1    月結制式：%2    時間模式：%3</translation>
    </message>
    <message>
        <source>休息日：%1</source>
        <translation>休息日：%1</translation>
    </message>
    <message>
        <source>员工 %1 人，罚款合计 %2 元    制表时间：%3    程序版本：%4</source>
        <translation>員工 %1 人，罰款合計 %2 元    製表時間：%3    程式版本：%4</translation>
    </message>
    <message>
        <source>    另有 %1 处罚款金额无法识别，未计入合计</source>
        <translation>    另有 %1 處罰款金額無法識別，未計入合計</translation>
    </message>
    <message>
        <source>此结算期内没有员工的考勤记录。</source>
        <translation>此結算期內沒有員工的考勤記錄。</translation>
    </message>
    <message>
        <source>员工</source>
        <translation>員工</translation>
    </message>
    <message>
        <source>部门</source>
        <translation>部門</translation>
    </message>
    <message>
        <source>（续）</source>
        <translation>（續）</translation>
    </message>
    <message>
        <source>部门：</source>
        <translation>部門：</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>星期</source>
        <translation>星期</translation>
    </message>
    <message>
        <source>班次</source>
        <translation>班次</translation>
    </message>
    <message>
        <source>A上班</source>
        <translation>A上班</translation>
    </message>
    <message>
        <source>A下班</source>
        <translation>A下班</translation>
    </message>
    <message>
        <source>P上班</source>
        <translation>P上班</translation>
    </message>
    <message>
        <source>P下班</source>
        <translation>P下班</translation>
    </message>
    <message>
        <source>迟到
(分)</source>
        <translation>遲到
(分)</translation>
    </message>
    <message>
        <source>早退
(分)</source>
        <translation>早退
(分)</translation>
    </message>
    <message>
        <source>加班
(分)</source>
        <translation>加班
(分)</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>休</source>
        <translation>休</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>罚款合计：%1 元</source>
        <translation>罰款合計：%1 元</translation>
    </message>
    <message>
        <source>登记明细</source>
        <translation>登記明細</translation>
    </message>
    <message>
        <source>本结算期没有登记。</source>
        <translation>本結算期沒有登記。</translation>
    </message>
    <message>
        <source>员工签字：＿＿＿＿＿＿＿＿＿＿&#x3000;&#x3000;&#x3000;日期：＿＿＿＿年＿＿月＿＿日</source>
        <translation>員工簽字：＿＿＿＿＿＿＿＿＿＿&#x3000;&#x3000;&#x3000;日期：＿＿＿＿年＿＿月＿＿日</translation>
    </message>
    <message>
        <source>程序没有图形环境，无法生成 PDF</source>
        <translation>程式沒有圖形環境，無法生成 PDF</translation>
    </message>
</context>
<context>
    <name>ReportSigners</name>
    <message>
        <source>文件 %1 第%2行无法识别，应为“制表人”或“审核人”、制表符和姓名。</source>
        <translation>檔案 %1 第%2行無法辨識，應為「制表人」或「审核人」、定位字元和姓名。</translation>
    </message>
    <message>
        <source>姓名不能包含换行或控制字符。</source>
        <translation>姓名不能包含換行或控制字元。</translation>
    </message>
    <message>
        <source>姓名最多 %1 个字。</source>
        <translation>姓名最多 %1 個字。</translation>
    </message>
</context>
<context>
    <name>ReportWriters</name>
    <message>
        <source>报表文件名须以 .xlsx、.csv 或 .pdf 结尾：%1</source>
        <translation>報表檔名須以 .xlsx、.csv 或 .pdf 結尾：%1</translation>
    </message>
    <message>
        <source>未知的报表格式。</source>
        <translation>未知的報表格式。</translation>
    </message>
</context>
<context>
    <name>ReportXlsx</name>
    <message>
        <source>汇总</source>
        <translation>彙總</translation>
    </message>
    <message>
        <source>明细</source>
        <translation>明細</translation>
    </message>
    <message>
        <source>登记</source>
        <translation>登記</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>考勤表</source>
        <translation>出勤表</translation>
    </message>
    <message>
        <source>General&quot;天&quot;</source>
        <translation>General&quot;天&quot;</translation>
    </message>
    <message>
        <source>mm&quot;月&quot;dd&quot;日&quot;</source>
        <translation>mm&quot;月&quot;dd&quot;日&quot;</translation>
    </message>
    <message>
        <source>0&quot;人&quot;</source>
        <translation>0&quot;人&quot;</translation>
    </message>
    <message>
        <source>&amp;R第 &amp;P 页，共 &amp;N 页</source>
        <translation>&amp;R第 &amp;P 頁，共 &amp;N 頁</translation>
    </message>
    <message>
        <source>迟到、漏打与旷工</source>
        <translation>遲到、漏打與曠工</translation>
    </message>
    <message>
        <source>员工</source>
        <translation>員工</translation>
    </message>
    <message>
        <source>部门</source>
        <translation>部門</translation>
    </message>
    <message>
        <source>表格写入出错（%1）</source>
        <translation>表格寫入出錯（%1）</translation>
    </message>
</context>
<context>
    <name>RestDayControls</name>
    <message>
        <source>调休上班</source>
        <translation>補班</translation>
    </message>
    <message>
        <source>一键标记</source>
        <translation>一鍵標記</translation>
    </message>
    <message>
        <source>把本期日历上的星期六、星期日和节假日都标记为休息，调休上班日不标记，并立即保存；已标记的其他日子保留。
节假日取自程序文件夹中的 %1。
以后各年的安排请照样添加到该文件末尾：每行一天，如“2027-01-01 元旦”，调休上班的周末写“上班”。</source>
        <translation>把本期日曆上的星期六、星期日和國定假日都標記為休息，補班日不標記，並立即儲存；已標記的其他日子保留。
國定假日取自程式資料夾中的 %1。
以後各年的安排請照樣新增到該檔案末尾：每行一天，如「2027-01-01 元旦」，補班的週末寫「上班」。</translation>
    </message>
    <message>
        <source>清除标记</source>
        <translation>清除標記</translation>
    </message>
    <message>
        <source>清除本期日历上的全部休息日标记，并立即保存。</source>
        <translation>清除本期日曆上的全部休息日標記，並立即儲存。</translation>
    </message>
    <message>
        <source>请先选择结算的起始年份和月份！</source>
        <translation>請先選擇結算的起始年份和月份！</translation>
    </message>
    <message>
        <source>节假日文件中没有%1年的安排，只标记了星期六和星期日。
请把%1年的节假日和调休上班日添加到 %2（每行一天，如“%1-01-01 元旦”，调休上班的周末写“上班”），再点击“一键标记”。</source>
        <translation>國定假日檔案中沒有%1年的安排，只標記了星期六和星期日。
請把%1年的國定假日和補班日新增到 %2（每行一天，如「%1-01-01 元旦」，補班的週末寫「上班」），再點選「一鍵標記」。</translation>
    </message>
    <message>
        <source>确定清除本期（%1）的全部休息日标记吗？</source>
        <translation>確定清除本期（%1）的全部休息日標記嗎？</translation>
    </message>
</context>
<context>
    <name>RestMarks</name>
    <message>
        <source>
休息日未保存。</source>
        <translation>
休息日未儲存。</translation>
    </message>
    <message>
        <source>
该文件中的休息日未被使用。</source>
        <translation>
該檔案中的休息日未被使用。</translation>
    </message>
    <message>
        <source>休息日文件 %1 第%2行不是%3年%4月的日期（yyyy-mm-dd）：%5</source>
        <translation>休息日檔案 %1 第%2行不是%3年%4月的日期（yyyy-mm-dd）：%5</translation>
    </message>
    <message>
        <source>无效的休息日日期。</source>
        <translation>無效的休息日日期。</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <source>周日</source>
        <translation>週日</translation>
    </message>
    <message>
        <source>周一</source>
        <translation>週一</translation>
    </message>
    <message>
        <source>周二</source>
        <translation>週二</translation>
    </message>
    <message>
        <source>周三</source>
        <translation>週三</translation>
    </message>
    <message>
        <source>周四</source>
        <translation>週四</translation>
    </message>
    <message>
        <source>周五</source>
        <translation>週五</translation>
    </message>
    <message>
        <source>周六</source>
        <translation>週六</translation>
    </message>
    <message>
        <source>值日</source>
        <translation>值日</translation>
    </message>
    <message>
        <source>迟到</source>
        <translation>遲到</translation>
    </message>
    <message>
        <source>早退</source>
        <translation>早退</translation>
    </message>
    <message>
        <source>漏打</source>
        <translation>漏打</translation>
    </message>
    <message>
        <source>病假</source>
        <translation>病假</translation>
    </message>
    <message>
        <source>事假</source>
        <translation>事假</translation>
    </message>
    <message>
        <source>旷工</source>
        <translation>曠工</translation>
    </message>
    <message>
        <source>加班</source>
        <translation>加班</translation>
    </message>
    <message>
        <source>有</source>
        <translation>有</translation>
    </message>
    <message>
        <source>无</source>
        <translation>無</translation>
    </message>
    <message>
        <source>值日迟到10分钟内</source>
        <translation>值日遲到10分鐘內</translation>
    </message>
    <message>
        <source>值日迟到30分钟内</source>
        <translation>值日遲到30分鐘內</translation>
    </message>
    <message>
        <source>上班迟到10分钟内</source>
        <translation>上班遲到10分鐘內</translation>
    </message>
    <message>
        <source>上班迟到30分钟内</source>
        <translation>上班遲到30分鐘內</translation>
    </message>
    <message>
        <source>上班迟到60分钟内</source>
        <translation>上班遲到60分鐘內</translation>
    </message>
    <message>
        <source>加班一档</source>
        <translation>加班一檔</translation>
    </message>
    <message>
        <source>加班二档</source>
        <translation>加班二檔</translation>
    </message>
    <message>
        <source>休息日</source>
        <translation>休息日</translation>
    </message>
    <message>
        <source>全勤</source>
        <translation>全勤</translation>
    </message>
    <message>
        <source>罚款</source>
        <translation>罰款</translation>
    </message>
    <message>
        <source>%1天</source>
        <translation>%1天</translation>
    </message>
    <message>
        <source>%1月%2日</source>
        <translation>%1月%2日</translation>
    </message>
</context>
<context>
    <name>SaveQuestion</name>
    <message>
        <source>文件 %1 在本窗口载入之后已被其他程序修改。
本窗口要保存的内容与文件现在的内容相比，多 %2 行，少 %3 行。

重新载入：放弃本窗口未保存的修改，改为显示文件现在的内容；
覆盖：以本窗口的内容保存，文件现在的内容保留在变更记录中；
取消：不保存。</source>
        <translation>檔案 %1 在本視窗載入之後已被其他程式修改。
本視窗要儲存的內容與檔案現在的內容相比，多 %2 行，少 %3 行。

重新載入：放棄本視窗未儲存的修改，改為顯示檔案現在的內容；
覆蓋：以本視窗的內容儲存，檔案現在的內容保留在變更記錄中；
取消：不儲存。</translation>
    </message>
    <message>
        <source>已重新载入 %1。
本窗口未保存的内容与文件现在的内容不同之处（+ 为本窗口有而文件中没有的行，- 为文件中有而本窗口没有的行）：
</source>
        <translation>已重新載入 %1。
本視窗未儲存的內容與檔案現在的內容不同之處（+ 為本視窗有而檔案中沒有的行，- 為檔案中有而本視窗沒有的行）：
</translation>
    </message>
    <message>
        <source>
……另有 %1 行，见详细信息。</source>
        <translation>
……另有 %1 行，見詳細資訊。</translation>
    </message>
    <message>
        <source>文件已被修改</source>
        <translation>檔案已被修改</translation>
    </message>
</context>
<context>
    <name>Schedules</name>
    <message>
        <source>A上班</source>
        <translation>A上班</translation>
    </message>
    <message>
        <source>A下班</source>
        <translation>A下班</translation>
    </message>
    <message>
        <source>P上班</source>
        <translation>P上班</translation>
    </message>
    <message>
        <source>P下班</source>
        <translation>P下班</translation>
    </message>
    <message>
        <source>周一</source>
        <translation>週一</translation>
    </message>
    <message>
        <source>周二</source>
        <translation>週二</translation>
    </message>
    <message>
        <source>周三</source>
        <translation>週三</translation>
    </message>
    <message>
        <source>周四</source>
        <translation>週四</translation>
    </message>
    <message>
        <source>周五</source>
        <translation>週五</translation>
    </message>
    <message>
        <source>周六</source>
        <translation>週六</translation>
    </message>
    <message>
        <source>周日</source>
        <translation>週日</translation>
    </message>
    <message>
        <source>%1 应为 %2 到 %3 之间的整数（分钟）</source>
        <translation>%1 應為 %2 到 %3 之間的整數（分鐘）</translation>
    </message>
    <message>
        <source>第%1个班次</source>
        <translation>第%1個班次</translation>
    </message>
    <message>
        <source>第%1个班次“%2”</source>
        <translation>第%1個班次「%2」</translation>
    </message>
    <message>
        <source>第%1个员工</source>
        <translation>第%1個員工</translation>
    </message>
    <message>
        <source>第%1个员工（%2）</source>
        <translation>第%1個員工（%2）</translation>
    </message>
    <message>
        <source>%1 时段（%2 以后）</source>
        <translation>%1 時段（%2 以後）</translation>
    </message>
    <message>
        <source>%1 时段（%2–%3）</source>
        <translation>%1 時段（%2–%3）</translation>
    </message>
    <message>
        <source>对象缺少结尾的 }</source>
        <translation>物件缺少結尾的 }</translation>
    </message>
    <message>
        <source>键名后缺少冒号</source>
        <translation>鍵名後缺少冒號</translation>
    </message>
    <message>
        <source>数组缺少结尾的 ]</source>
        <translation>陣列缺少結尾的 ]</translation>
    </message>
    <message>
        <source>两项之间缺少逗号</source>
        <translation>兩項之間缺少逗號</translation>
    </message>
    <message>
        <source>无法识别的值（文字要加双引号）</source>
        <translation>無法識別的值（文字要加雙引號）</translation>
    </message>
    <message>
        <source>数字的写法不对</source>
        <translation>數字的寫法不對</translation>
    </message>
    <message>
        <source>文字中 \ 的用法不对</source>
        <translation>文字中 \ 的用法不對</translation>
    </message>
    <message>
        <source>文字不是 UTF-8 编码（请用 UTF-8 编码另存）</source>
        <translation>文字不是 UTF-8 編碼（請用 UTF-8 編碼另存）</translation>
    </message>
    <message>
        <source>文字缺少结尾的双引号</source>
        <translation>文字缺少結尾的雙引號</translation>
    </message>
    <message>
        <source>应是一个 { … } 对象</source>
        <translation>應是一個 { … } 物件</translation>
    </message>
    <message>
        <source>结尾处有多余的内容</source>
        <translation>結尾處有多餘的內容</translation>
    </message>
    <message>
        <source>缺少文字的 name（班次名）</source>
        <translation>缺少文字的 name（班次名）</translation>
    </message>
    <message>
        <source>short 应是一个字</source>
        <translation>short 應是一個字</translation>
    </message>
    <message>
        <source>缺少 times（上下班时间的数组）</source>
        <translation>缺少 times（上下班時間的陣列）</translation>
    </message>
    <message>
        <source>overtime 应是加班时间的数组</source>
        <translation>overtime 應是加班時間的陣列</translation>
    </message>
    <message>
        <source>dayStart 应是 HH:MM 形式的时间</source>
        <translation>dayStart 應是 HH:MM 形式的時間</translation>
    </message>
    <message>
        <source>（现为 %1）</source>
        <translation>（現為 %1）</translation>
    </message>
    <message>
        <source>缺少文字的 number（员工编号）</source>
        <translation>缺少文字的 number（員工編號）</translation>
    </message>
    <message>
        <source>week 应有 7 项（周一到周日），每项是班次名或“休”</source>
        <translation>week 應有 7 項（週一到週日），每項是班次名或「休」</translation>
    </message>
    <message>
        <source>week 第%1项（%2）应是班次名或“休”</source>
        <translation>week 第%1項（%2）應是班次名或「休」</translation>
    </message>
    <message>
        <source>department 应是文字（部门名）</source>
        <translation>department 應是文字（部門名）</translation>
    </message>
    <message>
        <source>%1 的第%2个时间 %3 不是 HH:MM 形式的时间</source>
        <translation>%1 的第%2個時間 %3 不是 HH:MM 形式的時間</translation>
    </message>
    <message>
        <source>班次文件 %1 有误：%2</source>
        <translation>班次檔案 %1 有誤：%2</translation>
    </message>
    <message>
        <source>前日</source>
        <translation>前日</translation>
    </message>
    <message>
        <source>次日</source>
        <translation>次日</translation>
    </message>
    <message>
        <source>name 应是 1 到 %1 个字的班次名</source>
        <translation>name 應是 1 到 %1 個字的班次名</translation>
    </message>
    <message>
        <source>班次不能叫“休”：“休”表示休息日</source>
        <translation>班次不能叫「休」：「休」表示休息日</translation>
    </message>
    <message>
        <source>“%1”是时间模式的内置班次，不能再用作班次名</source>
        <translation>「%1」是時間模式的內建班次，不能再用作班次名</translation>
    </message>
    <message>
        <source>short 应是一个字（现为“%1”）</source>
        <translation>short 應是一個字（現為「%1」）</translation>
    </message>
    <message>
        <source>times 应有 2 个（上班、下班）或 4 个（上班1、下班1、上班2、下班2）时间，现有 %1 个</source>
        <translation>times 應有 2 個（上班、下班）或 4 個（上班1、下班1、上班2、下班2）時間，現有 %1 個</translation>
    </message>
    <message>
        <source>overtime 最多 2 个时间（加班一档、二档）</source>
        <translation>overtime 最多 2 個時間（加班一檔、二檔）</translation>
    </message>
    <message>
        <source>只有上班、下班的班次，overtime 最多 1 个时间</source>
        <translation>只有上班、下班的班次，overtime 最多 1 個時間</translation>
    </message>
    <message>
        <source>时间应在 00:00 到 23:59 之间</source>
        <translation>時間應在 00:00 到 23:59 之間</translation>
    </message>
    <message>
        <source>dayStart 应在 00:00 到 23:59 之间</source>
        <translation>dayStart 應在 00:00 到 23:59 之間</translation>
    </message>
    <message>
        <source>时间倒回了不止一次：按上班、下班、加班的顺序，只有跨过午夜时一个时间才能早于它前面的时间</source>
        <translation>時間倒回了不止一次：按上班、下班、加班的順序，只有跨過午夜時一個時間才能早於它前面的時間</translation>
    </message>
    <message>
        <source>这个班次的工作日从 dayStart %1 起 24 小时</source>
        <translation>這個班次的工作日從 dayStart %1 起 24 小時</translation>
    </message>
    <message>
        <source>%1超出了工作日（%2）</source>
        <translation>%1超出了工作日（%2）</translation>
    </message>
    <message>
        <source>加班时间 %1 超出了工作日（%2）</source>
        <translation>加班時間 %1 超出了工作日（%2）</translation>
    </message>
    <message>
        <source>%1与 %2重叠</source>
        <translation>%1與 %2重疊</translation>
    </message>
    <message>
        <source>第%1个班次与第%2个班次同名（“%3”）</source>
        <translation>第%1個班次與第%2個班次同名（「%3」）</translation>
    </message>
    <message>
        <source>：number（员工编号）不能为空</source>
        <translation>：number（員工編號）不能為空</translation>
    </message>
    <message>
        <source>第%1个员工与第%2个员工是同一个编号（%3）</source>
        <translation>第%1個員工與第%2個員工是同一個編號（%3）</translation>
    </message>
    <message>
        <source>：week 第%1项（%2）“%3”不是已有的班次，也不是“休”</source>
        <translation>：week 第%1項（%2）「%3」不是已有的班次，也不是「休」</translation>
    </message>
    <message>
        <source>不是有效的 JSON：第%1行附近，%2</source>
        <translation>不是有效的 JSON：第%1行附近，%2</translation>
    </message>
    <message>
        <source>整个文件应是一个 { … } 对象</source>
        <translation>整個檔案應是一個 { … } 物件</translation>
    </message>
    <message>
        <source>本程序只认识版本 %1（现为 %2），该文件可能由较新的程序保存</source>
        <translation>本程式只認識版本 %1（現為 %2），該檔案可能由較新的程式儲存</translation>
    </message>
    <message>
        <source>应是一个 [ … ] 数组</source>
        <translation>應是一個 [ … ] 陣列</translation>
    </message>
    <message>
        <source>班次设置未保存：%1</source>
        <translation>班次設定未儲存：%1</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>考勤系统相关操作设置</source>
        <translation>考勤系統相關操作設定</translation>
    </message>
    <message>
        <source>员工编号列表</source>
        <translation>員工編號列表</translation>
    </message>
    <message>
        <source>编号：</source>
        <translation>編號：</translation>
    </message>
    <message>
        <source>姓名：</source>
        <translation>姓名：</translation>
    </message>
    <message>
        <source>上下班时间设定</source>
        <translation>上下班時間設定</translation>
    </message>
    <message>
        <source>点</source>
        <translation>點</translation>
    </message>
    <message>
        <source>分</source>
        <translation>分</translation>
    </message>
    <message>
        <source>时间模式</source>
        <translation>時間模式</translation>
    </message>
    <message>
        <source>将以上时间 --&gt;</source>
        <translation>將以上時間 --&gt;</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>早晚班、夜班 --&gt;</source>
        <translation>早晚班、夜班 --&gt;</translation>
    </message>
    <message>
        <source>班次设置</source>
        <translation>班次設定</translation>
    </message>
    <message>
        <source>班次、周排班与部门：按班次考勤时使用</source>
        <translation>班次、週排班與部門：按班次考勤時使用</translation>
    </message>
    <message>
        <source>指定考勤记录读取位置</source>
        <translation>指定考勤記錄讀取位置</translation>
    </message>
    <message>
        <source>编号起始单元格名称：</source>
        <translation>編號起始儲存格名稱：</translation>
    </message>
    <message>
        <source>时间起始单元格名称：</source>
        <translation>時間起始儲存格名稱：</translation>
    </message>
    <message>
        <source>将读取位置 --&gt;</source>
        <translation>將讀取位置 --&gt;</translation>
    </message>
    <message>
        <source>自动识别</source>
        <translation>自動識別</translation>
    </message>
    <message>
        <source>选择考勤机导出的文件，查看程序如何读取它</source>
        <translation>選擇考勤機匯出的檔案，檢視程式如何讀取它</translation>
    </message>
    <message>
        <source>上午</source>
        <translation>上午</translation>
    </message>
    <message>
        <source>上班</source>
        <translation>上班</translation>
    </message>
    <message>
        <source>下班</source>
        <translation>下班</translation>
    </message>
    <message>
        <source>下午</source>
        <translation>下午</translation>
    </message>
    <message>
        <source>晚上</source>
        <translation>晚上</translation>
    </message>
    <message>
        <source>加班</source>
        <translation>加班</translation>
    </message>
    <message>
        <source>全天</source>
        <translation>全天</translation>
    </message>
    <message>
        <source>添加信息到列表 --&gt;</source>
        <translation>新增資訊到列表 --&gt;</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>将列表中选定项 --&gt;</source>
        <translation>將列表中選定項 --&gt;</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>将列表内信息 --&gt;</source>
        <translation>將列表內資訊 --&gt;</translation>
    </message>
    <message>
        <source>有效打卡时间：</source>
        <translation>有效打卡時間：</translation>
    </message>
    <message>
        <source>上午上班前60分钟以内</source>
        <translation>上午上班前60分鐘以內</translation>
    </message>
    <message>
        <source>上午下班后30分钟以内</source>
        <translation>上午下班後30分鐘以內</translation>
    </message>
    <message>
        <source>下午上班前30分钟以内</source>
        <translation>下午上班前30分鐘以內</translation>
    </message>
    <message>
        <source>其它时间打卡均视为非正常打卡(如迟到、早退等)或无效打卡(不进行考勤统计)！</source>
        <translation>其它時間打卡均視為非正常打卡(如遲到、早退等)或無效打卡(不進行考勤統計)！</translation>
    </message>
    <message>
        <source>相关说明：</source>
        <translation>相關說明：</translation>
    </message>
    <message>
        <source>一、员工编号</source>
        <translation>一、員工編號</translation>
    </message>
    <message>
        <source>编号为考勤机中设定的员工编号。</source>
        <translation>編號為考勤機中設定的員工編號。</translation>
    </message>
    <message>
        <source>二、工作时间</source>
        <translation>二、工作時間</translation>
    </message>
    <message>
        <source>时间模式1或2，实际用到哪种模式就设置哪种。</source>
        <translation>時間模式1或2，實際用到哪種模式就設定哪種。</translation>
    </message>
    <message>
        <source>三、数据读取</source>
        <translation>三、資料讀取</translation>
    </message>
    <message>
        <source>每行一条打卡记录（如下图）时，填写编号和日期时间的起始单元格，如D列第2行为D2。</source>
        <translation>每列一筆打卡記錄（如下圖）時，填寫編號和日期時間的起始儲存格，如D欄第2列為D2。</translation>
    </message>
    <message>
        <source>可读取xls、xlsx、xlsm、csv、dat文件；考勤机的月报表、带表头的考勤表和无表头的原始记录都能自动识别，点“自动识别”可查看文件如何读取。</source>
        <translation>可讀取xls、xlsx、xlsm、csv、dat檔案；考勤機的月報表、帶表頭的考勤表和無表頭的原始記錄都能自動識別，點「自動識別」可檢視檔案如何讀取。</translation>
    </message>
    <message>
        <source>四、所有操作请记得保存</source>
        <translation>四、所有操作請記得儲存</translation>
    </message>
</context>
<context>
    <name>SettlementCalendar</name>
    <message>
        <source>%1月%2日</source>
        <translation>%1月%2日</translation>
    </message>
    <message>
        <source>%1年%2月</source>
        <translation>%1年%2月</translation>
    </message>
    <message>
        <source>（无效日期）</source>
        <translation>（無效日期）</translation>
    </message>
    <message>
        <source>尚未选择结算月份，无法将 %1 设为休息日！</source>
        <translation>尚未選擇結算月份，無法將 %1 設為休息日！</translation>
    </message>
    <message>
        <source>%1 不在可设置的结算期（%2）内，无法设为休息日！</source>
        <translation>%1 不在可設定的結算期（%2）內，無法設為休息日！</translation>
    </message>
</context>
<context>
    <name>ShiftChecks</name>
    <message>
        <source>已有名为“%1”的班次</source>
        <translation>已有名為「%1」的班次</translation>
    </message>
    <message>
        <source>简称不能是“休”：排班表中“休”表示休息日</source>
        <translation>簡稱不能是「休」：排班表中「休」表示休息日</translation>
    </message>
    <message>
        <source>超出了工作日</source>
        <translation>超出了工作日</translation>
    </message>
    <message>
        <source>。跨过午夜的班次，请把“工作日起点”设在上班之前，例如 12:00</source>
        <translation>。跨過午夜的班次，請把「工作日起點」設在上班之前，例如 12:00</translation>
    </message>
    <message>
        <source>简称“%1”已是班次“%2”的简称，排班表中会分不清，请另选一个字</source>
        <translation>簡稱「%1」已是班次「%2」的簡稱，排班表中會分不清，請另選一個字</translation>
    </message>
</context>
<context>
    <name>ShiftColours</name>
    <message>
        <source>一</source>
        <translation>一</translation>
    </message>
    <message>
        <source>二</source>
        <translation>二</translation>
    </message>
    <message>
        <source>%1–%2、%3–%4</source>
        <translation>%1–%2、%3–%4</translation>
    </message>
</context>
<context>
    <name>ShiftEditorDialog</name>
    <message>
        <source>班次设置</source>
        <translation>班次設定</translation>
    </message>
    <message>
        <source>检查结果</source>
        <translation>檢查結果</translation>
    </message>
    <message>
        <source>周排班与部门(&amp;W)…</source>
        <translation>週排班與部門(&amp;W)…</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>“模式一”“模式二”是内置班次（时间见“上下班时间设定”），也可用于周排班和排班表。</source>
        <translation>「模式一」「模式二」是內建班次（時間見「上下班時間設定」），也可用於週排班和排班表。</translation>
    </message>
    <message>
        <source>24 小时时间轴（绿色：上班卡时段，蓝色：下班卡时段，深蓝：上班时间）</source>
        <translation>24 小時時間軸（綠色：上班卡時段，藍色：下班卡時段，深藍：上班時間）</translation>
    </message>
    <message>
        <source>班次</source>
        <translation>班次</translation>
    </message>
    <message>
        <source>班次列表</source>
        <translation>班次列表</translation>
    </message>
    <message>
        <source>添加(&amp;A)</source>
        <translation>新增(&amp;A)</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <source>改名(&amp;R)</source>
        <translation>改名(&amp;R)</translation>
    </message>
    <message>
        <source>删除(&amp;D)</source>
        <translation>刪除(&amp;D)</translation>
    </message>
    <message>
        <source>名称与时间</source>
        <translation>名稱與時間</translation>
    </message>
    <message>
        <source>班次名称</source>
        <translation>班次名稱</translation>
    </message>
    <message>
        <source>1 到 8 个字，不能是“休”“模式一”“模式二”；按回车或离开该框后生效</source>
        <translation>1 到 8 個字，不能是「休」「模式一」「模式二」；按 Enter 鍵或離開該框後生效</translation>
    </message>
    <message>
        <source>名称(&amp;N)：</source>
        <translation>名稱(&amp;N)：</translation>
    </message>
    <message>
        <source>简称</source>
        <translation>簡稱</translation>
    </message>
    <message>
        <source>名称首字</source>
        <translation>名稱首字</translation>
    </message>
    <message>
        <source>排班表格子中显示的一个字；不填则用名称的第一个字</source>
        <translation>排班表格子中顯示的一個字；不填則用名稱的第一個字</translation>
    </message>
    <message>
        <source>简称：</source>
        <translation>簡稱：</translation>
    </message>
    <message>
        <source>班次类型</source>
        <translation>班次類型</translation>
    </message>
    <message>
        <source>两段（中间休息）</source>
        <translation>兩段（中間休息）</translation>
    </message>
    <message>
        <source>一段（上班、下班）</source>
        <translation>一段（上班、下班）</translation>
    </message>
    <message>
        <source>类型：</source>
        <translation>類型：</translation>
    </message>
    <message>
        <source>工作日起点</source>
        <translation>工作日起點</translation>
    </message>
    <message>
        <source>一个工作日从这一时刻起算 24 小时；跨午夜的夜班请设在上班之前，例如 12:00</source>
        <translation>一個工作日從這一時刻起算 24 小時；跨午夜的夜班請設在上班之前，例如 12:00</translation>
    </message>
    <message>
        <source>工作日起点：</source>
        <translation>工作日起點：</translation>
    </message>
    <message>
        <source>加班一档</source>
        <translation>加班一檔</translation>
    </message>
    <message>
        <source>加班二档</source>
        <translation>加班二檔</translation>
    </message>
    <message>
        <source>加班一档时间</source>
        <translation>加班一檔時間</translation>
    </message>
    <message>
        <source>加班二档时间</source>
        <translation>加班二檔時間</translation>
    </message>
    <message>
        <source>打卡时段与计算（分钟）</source>
        <translation>打卡時段與計算（分鐘）</translation>
    </message>
    <message>
        <source> 分钟</source>
        <translation> 分鐘</translation>
    </message>
    <message>
        <source>
请先修正该文件，再打开班次设置。</source>
        <translation>
請先修正該檔案，再開啟班次設定。</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>还没有班次：点击“添加”新建一个。</source>
        <translation>還沒有班次：點選「新增」建立一個。</translation>
    </message>
    <message>
        <source>第一段上班：</source>
        <translation>第一段上班：</translation>
    </message>
    <message>
        <source>第一段下班：</source>
        <translation>第一段下班：</translation>
    </message>
    <message>
        <source>第二段上班：</source>
        <translation>第二段上班：</translation>
    </message>
    <message>
        <source>第二段下班：</source>
        <translation>第二段下班：</translation>
    </message>
    <message>
        <source>上班：</source>
        <translation>上班：</translation>
    </message>
    <message>
        <source>下班：</source>
        <translation>下班：</translation>
    </message>
    <message>
        <source>✓ 班次“%1”可以使用。</source>
        <translation>✓ 班次「%1」可以使用。</translation>
    </message>
    <message>
        <source>新班次</source>
        <translation>新班次</translation>
    </message>
    <message>
        <source>
读不出该排班表，无法确定班次是否仍在使用，暂不能删除。</source>
        <translation>
讀不出該排班表，無法確定班次是否仍在使用，暫不能刪除。</translation>
    </message>
    <message>
        <source>班次“%1”仍在使用，不能删除：
%2
请先改掉这些安排，再删除该班次。</source>
        <translation>班次「%1」仍在使用，不能刪除：
%2
請先改掉這些安排，再刪除該班次。</translation>
    </message>
    <message>
        <source>删除班次</source>
        <translation>刪除班次</translation>
    </message>
    <message>
        <source>确定删除班次“%1”吗？</source>
        <translation>確定刪除班次「%1」嗎？</translation>
    </message>
    <message>
        <source>班次设置未保存：班次“%1”：%2</source>
        <translation>班次設定未儲存：班次「%1」：%2</translation>
    </message>
    <message>
        <source>班次设置未保存：</source>
        <translation>班次設定未儲存：</translation>
    </message>
    <message>
        <source>班次设置已保存到 %1。
</source>
        <translation>班次設定已儲存到 %1。
</translation>
    </message>
    <message>
        <source>班次设置保存成功！</source>
        <translation>班次設定儲存成功！</translation>
    </message>
    <message>
        <source>班次设置已修改，尚未保存。放弃这些修改吗？</source>
        <translation>班次設定已修改，尚未儲存。放棄這些修改嗎？</translation>
    </message>
    <message>
        <source>上班卡可提前</source>
        <translation>上班卡可提前</translation>
    </message>
    <message>
        <source>上班时间前这么多分钟起，打卡计为上班卡</source>
        <translation>上班時間前這麼多分鐘起，打卡計為上班卡</translation>
    </message>
    <message>
        <source>上班卡可延后</source>
        <translation>上班卡可延後</translation>
    </message>
    <message>
        <source>上班时间后这么多分钟内，打卡仍计为上班卡（计迟到）</source>
        <translation>上班時間後這麼多分鐘內，打卡仍計為上班卡（計遲到）</translation>
    </message>
    <message>
        <source>第二段上班卡可提前</source>
        <translation>第二段上班卡可提前</translation>
    </message>
    <message>
        <source>第二段上班时间前这么多分钟起，打卡计为第二段上班卡</source>
        <translation>第二段上班時間前這麼多分鐘起，打卡計為第二段上班卡</translation>
    </message>
    <message>
        <source>第一段下班卡可延后</source>
        <translation>第一段下班卡可延後</translation>
    </message>
    <message>
        <source>第一段下班时间后这么多分钟内，打卡仍计为第一段下班卡</source>
        <translation>第一段下班時間後這麼多分鐘內，打卡仍計為第一段下班卡</translation>
    </message>
    <message>
        <source>迟到宽限</source>
        <translation>遲到寬限</translation>
    </message>
    <message>
        <source>迟到不超过这么多分钟，按准时计</source>
        <translation>遲到不超過這麼多分鐘，按準時計</translation>
    </message>
    <message>
        <source>早退计算范围</source>
        <translation>早退計算範圍</translation>
    </message>
    <message>
        <source>下班时间前这么多分钟内的下班卡计为早退；0 表示下班前的打卡不算下班卡</source>
        <translation>下班時間前這麼多分鐘內的下班卡計為早退；0 表示下班前的打卡不算下班卡</translation>
    </message>
    <message>
        <source>加班起算</source>
        <translation>加班起算</translation>
    </message>
    <message>
        <source>最后下班时间再过这么多分钟，开始计加班分钟</source>
        <translation>最後下班時間再過這麼多分鐘，開始計加班分鐘</translation>
    </message>
    <message>
        <source>加班最少</source>
        <translation>加班最少</translation>
    </message>
    <message>
        <source>加班不足这么多分钟，不计加班</source>
        <translation>加班不足這麼多分鐘，不計加班</translation>
    </message>
    <message>
        <source>加班计算单位</source>
        <translation>加班計算單位</translation>
    </message>
    <message>
        <source>加班分钟按这个单位向下取整</source>
        <translation>加班分鐘按這個單位向下取整</translation>
    </message>
</context>
<context>
    <name>ShiftFiguresText</name>
    <message>
        <source>早退 %1次/%2分钟&#x3000;迟到 %3分钟&#x3000;加班 %4小时</source>
        <translation>早退 %1次/%2分鐘&#x3000;遲到 %3分鐘&#x3000;加班 %4小時</translation>
    </message>
    <message>
        <source>加班：工作日 %1小时，休息日 %2小时，节假日 %3小时（共 %4 分钟）</source>
        <translation>加班：工作日 %1小時，休息日 %2小時，節假日 %3小時（共 %4 分鐘）</translation>
    </message>
</context>
<context>
    <name>ShiftPlan</name>
    <message>
        <source>
考勤未分析：请先改正该文件。</source>
        <translation>
考勤未分析：請先修正該檔案。</translation>
    </message>
</context>
<context>
    <name>ShiftRoster</name>
    <message>
        <source>%1年%2月没有第%3天（“%4”）</source>
        <translation>%1年%2月沒有第%3天（「%4」）</translation>
    </message>
    <message>
        <source>第%1天的“%2”不是已有的班次，也不是“休”</source>
        <translation>第%1天的「%2」不是已有的班次，也不是「休」</translation>
    </message>
    <message>
        <source>排班文件 %1 第%2行：%3</source>
        <translation>排班檔案 %1 第%2行：%3</translation>
    </message>
    <message>
        <source>编号或班次中不能有换行</source>
        <translation>編號或班次中不能有換行</translation>
    </message>
    <message>
        <source>行首缺少员工编号</source>
        <translation>行首缺少員工編號</translation>
    </message>
    <message>
        <source>员工 %1 有 %2 天的班次，一个月最多 31 天</source>
        <translation>員工 %1 有 %2 天的班次，一個月最多 31 天</translation>
    </message>
    <message>
        <source>员工 %1 </source>
        <translation>員工 %1 </translation>
    </message>
    <message>
        <source>员工 %1 在第%2行已经排过班</source>
        <translation>員工 %1 在第%2行已經排過班</translation>
    </message>
    <message>
        <source>排班未保存：</source>
        <translation>排班未儲存：</translation>
    </message>
    <message>
        <source>无法删除文件：%1（%2）</source>
        <translation>無法刪除檔案：%1（%2）</translation>
    </message>
</context>
<context>
    <name>ShiftRosterDialog</name>
    <message>
        <source>一</source>
        <translation>一</translation>
    </message>
    <message>
        <source>二</source>
        <translation>二</translation>
    </message>
    <message>
        <source>三</source>
        <translation>三</translation>
    </message>
    <message>
        <source>四</source>
        <translation>四</translation>
    </message>
    <message>
        <source>五</source>
        <translation>五</translation>
    </message>
    <message>
        <source>六</source>
        <translation>六</translation>
    </message>
    <message>
        <source>日</source>
        <translation>日</translation>
    </message>
    <message>
        <source>%1年%2月</source>
        <translation>%1年%2月</translation>
    </message>
    <message>
        <source>排班表</source>
        <translation>排班表</translation>
    </message>
    <message>
        <source>年份</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>月份</source>
        <translation>月份</translation>
    </message>
    <message>
        <source>%1月</source>
        <translation>%1月</translation>
    </message>
    <message>
        <source>◀ 上月</source>
        <translation>◀ 上月</translation>
    </message>
    <message>
        <source>下月 ▶</source>
        <translation>下月 ▶</translation>
    </message>
    <message>
        <source>复制上月(&amp;C)</source>
        <translation>複製上月(&amp;C)</translation>
    </message>
    <message>
        <source>清空本月(&amp;E)</source>
        <translation>清空本月(&amp;E)</translation>
    </message>
    <message>
        <source>月份(&amp;Y)：</source>
        <translation>月份(&amp;Y)：</translation>
    </message>
    <message>
        <source>年</source>
        <translation>年</translation>
    </message>
    <message>
        <source>%1 %2&#x3000;%3月%4日（周%5）：%6</source>
        <translation>%1 %2&#x3000;%3月%4日（週%5）：%6</translation>
    </message>
    <message>
        <source>未排班</source>
        <translation>未排班</translation>
    </message>
    <message>
        <source>休息</source>
        <translation>休息</translation>
    </message>
    <message>
        <source>（节假日：%1）</source>
        <translation>（國定假日：%1）</translation>
    </message>
    <message>
        <source>（调休上班）</source>
        <translation>（補班）</translation>
    </message>
    <message>
        <source>轮换</source>
        <translation>輪換</translation>
    </message>
    <message>
        <source>例如 白白夜夜休休</source>
        <translation>例如 白白夜夜休休</translation>
    </message>
    <message>
        <source>各班次的简称连写，或班次全名用空格分开；“休”为休息日</source>
        <translation>各班次的簡稱連寫，或班次全名用空格分開；「休」為休息日</translation>
    </message>
    <message>
        <source>从轮换的第几个开始</source>
        <translation>從輪換的第幾個開始</translation>
    </message>
    <message>
        <source>每人错开几天</source>
        <translation>每人錯開幾天</translation>
    </message>
    <message>
        <source>第二个所选员工比第一个提前这么多步，依此类推（例如三组倒班错开 2 天）</source>
        <translation>第二個所選員工比第一個提前這麼多步，依此類推（例如三組倒班錯開 2 天）</translation>
    </message>
    <message>
        <source>按轮换填充所选(&amp;F)</source>
        <translation>按輪換填充所選(&amp;F)</translation>
    </message>
    <message>
        <source>轮换(&amp;L)：</source>
        <translation>輪換(&amp;L)：</translation>
    </message>
    <message>
        <source>从第</source>
        <translation>從第</translation>
    </message>
    <message>
        <source>个开始，每人错开</source>
        <translation>個開始，每人錯開</translation>
    </message>
    <message>
        <source>天</source>
        <translation>天</translation>
    </message>
    <message>
        <source>当前格</source>
        <translation>目前格</translation>
    </message>
    <message>
        <source>先选工具，再在表中点击或拖动；键盘：方向键移动，Shift+方向键多选，数字 1–9 为各班次，0 为休，Delete 清除，空格填入所选工具。</source>
        <translation>先選工具，再在表中點選或拖動；鍵盤：方向鍵移動，Shift+方向鍵多選，數字 1–9 為各班次，0 為休，Delete 清除，空白鍵填入所選工具。</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>工具：</source>
        <translation>工具：</translation>
    </message>
    <message>
        <source>
请先修正该文件，再打开排班表。</source>
        <translation>
請先修正該檔案，再開啟排班表。</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>只选择格子，不填入（用于按轮换填充）</source>
        <translation>只選擇格子，不填入（用於按輪換填充）</translation>
    </message>
    <message>
        <source>填入“%1”（%2）</source>
        <translation>填入「%1」（%2）</translation>
    </message>
    <message>
        <source>填入时间模式一的班次</source>
        <translation>填入時間模式一的班次</translation>
    </message>
    <message>
        <source>填入时间模式二的班次</source>
        <translation>填入時間模式二的班次</translation>
    </message>
    <message>
        <source>0 休</source>
        <translation>0 休</translation>
    </message>
    <message>
        <source>填入休息日</source>
        <translation>填入休息日</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>清除所选格子（该日按周排班或时间模式考勤）</source>
        <translation>清除所選格子（該日按週排班或時間模式考勤）</translation>
    </message>
    <message>
        <source>%1的排班表已修改，尚未保存。放弃这些修改吗？</source>
        <translation>%1的排班表已修改，尚未儲存。放棄這些修改嗎？</translation>
    </message>
    <message>
        <source>
为免覆盖其中原有的内容，该月排班表不能修改。</source>
        <translation>
為免覆蓋其中原有的內容，該月排班表不能修改。</translation>
    </message>
    <message>
        <source>（不在员工列表）</source>
        <translation>（不在員工列表）</translation>
    </message>
    <message>
        <source>
节</source>
        <translation>
節</translation>
    </message>
    <message>
        <source>节假日：%1</source>
        <translation>國定假日：%1</translation>
    </message>
    <message>
        <source>
班</source>
        <translation>
班</translation>
    </message>
    <message>
        <source>调休上班</source>
        <translation>補班</translation>
    </message>
    <message>
        <source>该月排班文件读不出，不能修改。</source>
        <translation>該月排班檔案讀不出，不能修改。</translation>
    </message>
    <message>
        <source>员工列表为空：请先在“系统设置”中添加员工。</source>
        <translation>員工列表為空：請先在「系統設定」中新增員工。</translation>
    </message>
    <message>
        <source>排班表 - %1 *</source>
        <translation>排班表 - %1 *</translation>
    </message>
    <message>
        <source>排班表 - %1</source>
        <translation>排班表 - %1</translation>
    </message>
    <message>
        <source>请先在表中选择要排班的员工和日期！</source>
        <translation>請先在表中選擇要排班的員工和日期！</translation>
    </message>
    <message>
        <source>上月（%1）没有排班，无可复制。</source>
        <translation>上月（%1）沒有排班，無可複製。</translation>
    </message>
    <message>
        <source>复制上月</source>
        <translation>複製上月</translation>
    </message>
    <message>
        <source>%1已有排班，复制上月将替换本月的全部排班。继续吗？</source>
        <translation>%1已有排班，複製上月將替換本月的全部排班。繼續嗎？</translation>
    </message>
    <message>
        <source>清空本月</source>
        <translation>清空本月</translation>
    </message>
    <message>
        <source>清空%1的全部排班吗？（点击“保存”后才写入文件）</source>
        <translation>清空%1的全部排班嗎？（點選「儲存」後才寫入檔案）</translation>
    </message>
    <message>
        <source>文件 %1 未能读出，为免覆盖其中原有的内容，本次未保存。请先修正该文件，再重新打开该月。</source>
        <translation>檔案 %1 未能讀出，為免覆蓋其中原有的內容，本次未儲存。請先修正該檔案，再重新開啟該月。</translation>
    </message>
    <message>
        <source>%1排班表保存成功！</source>
        <translation>%1排班表儲存成功！</translation>
    </message>
</context>
<context>
    <name>ShiftRotation</name>
    <message>
        <source>“%1”是%2共用的简称，请写出班次全名，用空格分开</source>
        <translation>「%1」是%2共用的簡稱，請寫出班次全名，用空格分開</translation>
    </message>
    <message>
        <source>“%1”不是已有班次的名称或简称，也不是“休”</source>
        <translation>「%1」不是現有班次的名稱或簡稱，也不是「休」</translation>
    </message>
    <message>
        <source>请输入轮换的班次，例如“白白夜夜休休”</source>
        <translation>請輸入輪換的班次，例如「白白夜夜休休」</translation>
    </message>
</context>
<context>
    <name>ShiftTimelineView</name>
    <message>
        <source>A上班</source>
        <translation>A上班</translation>
    </message>
    <message>
        <source>A下班</source>
        <translation>A下班</translation>
    </message>
    <message>
        <source>P上班</source>
        <translation>P上班</translation>
    </message>
    <message>
        <source>P下班</source>
        <translation>P下班</translation>
    </message>
    <message>
        <source>班次时间轴</source>
        <translation>班次時間軸</translation>
    </message>
    <message>
        <source>工作日 %1–%2</source>
        <translation>工作日 %1–%2</translation>
    </message>
    <message>
        <source>上班 %1–%2、%3–%4</source>
        <translation>上班 %1–%2、%3–%4</translation>
    </message>
    <message>
        <source>上班 %1–%2</source>
        <translation>上班 %1–%2</translation>
    </message>
    <message>
        <source>%1 打卡 %2 以后</source>
        <translation>%1 打卡 %2 以後</translation>
    </message>
    <message>
        <source>%1 打卡 %2–%3</source>
        <translation>%1 打卡 %2–%3</translation>
    </message>
    <message>
        <source>加班%1档 %2</source>
        <translation>加班%1檔 %2</translation>
    </message>
    <message>
        <source>一</source>
        <translation>一</translation>
    </message>
    <message>
        <source>二</source>
        <translation>二</translation>
    </message>
    <message>
        <source>；</source>
        <translation>；</translation>
    </message>
    <message>
        <source>次日</source>
        <translation>次日</translation>
    </message>
    <message>
        <source>当日</source>
        <translation>當日</translation>
    </message>
    <message>
        <source>加班一</source>
        <translation>加班一</translation>
    </message>
    <message>
        <source>加班二</source>
        <translation>加班二</translation>
    </message>
</context>
<context>
    <name>ShiftUsage</name>
    <message>
        <source>周一</source>
        <translation>週一</translation>
    </message>
    <message>
        <source>周二</source>
        <translation>週二</translation>
    </message>
    <message>
        <source>周三</source>
        <translation>週三</translation>
    </message>
    <message>
        <source>周四</source>
        <translation>週四</translation>
    </message>
    <message>
        <source>周五</source>
        <translation>週五</translation>
    </message>
    <message>
        <source>周六</source>
        <translation>週六</translation>
    </message>
    <message>
        <source>周日</source>
        <translation>週日</translation>
    </message>
    <message>
        <source>%1年%2月</source>
        <translation>%1年%2月</translation>
    </message>
    <message>
        <source>员工 %1 的周排班（%2）</source>
        <translation>員工 %1 的週排班（%2）</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
    <message>
        <source>排班表 %1（%2 人共 %3 天）</source>
        <translation>排班表 %1（%2 人共 %3 天）</translation>
    </message>
    <message>
        <source>以下排班表仍写着改名前的班次名，未能改过来（分析这些月份时会因找不到班次而停止）。请排除原因后再点一次“保存”：
</source>
        <translation>以下排班表仍寫著改名前的班次名，未能改過來（分析這些月份時會因找不到班次而停止）。請排除原因後再點一次「儲存」：
</translation>
    </message>
</context>
<context>
    <name>SkinPictures</name>
    <message>
        <source>Tarnby考勤助手2.0</source>
        <translation>Tarnby考勤助手2.0</translation>
    </message>
    <message>
        <source>考勤记录读取 · 迟到早退统计 · 特殊情况登记 · 值日安排</source>
        <translation>考勤記錄讀取 · 遲到早退統計 · 特殊情況登記 · 值日安排</translation>
    </message>
</context>
<context>
    <name>StoredFile</name>
    <message>
        <source>无法保存文件：%1（%2）</source>
        <translation>無法儲存檔案：%1（%2）</translation>
    </message>
    <message>
        <source>无法删除文件：%1（%2）</source>
        <translation>無法刪除檔案：%1（%2）</translation>
    </message>
    <message>
        <source>文件 %1 在本窗口载入之后已被其他程序修改，本次未保存。</source>
        <translation>檔案 %1 在本視窗載入之後已被其他程式修改，本次未儲存。</translation>
    </message>
    <message>
        <source>未能在 %1 中保留原来的版本：%2</source>
        <translation>未能在 %1 中保留原來的版本：%2</translation>
    </message>
    <message>
        <source>未能在 %1 中保留新的版本：%2</source>
        <translation>未能在 %1 中保留新的版本：%2</translation>
    </message>
    <message>
        <source>文件 %1 已保存，但未能记入变更记录（%2）。</source>
        <translation>檔案 %1 已儲存，但未能記入變更記錄（%2）。</translation>
    </message>
    <message>
        <source>未能写入变更记录 %1</source>
        <translation>未能寫入變更記錄 %1</translation>
    </message>
    <message>
        <source>无法读取文件：%1（%2）</source>
        <translation>無法讀取檔案：%1（%2）</translation>
    </message>
    <message>
        <source>找不到文件：%1</source>
        <translation>找不到檔案：%1</translation>
    </message>
</context>
<context>
    <name>SummaryChart</name>
    <message>
        <source>迟到（次）</source>
        <translation>遲到（次）</translation>
    </message>
    <message>
        <source>漏打（次）</source>
        <translation>漏打（次）</translation>
    </message>
    <message>
        <source>旷工（天）</source>
        <translation>曠工（天）</translation>
    </message>
    <message>
        <source>无打卡记录</source>
        <translation>無打卡記錄</translation>
    </message>
    <message>
        <source>没有员工</source>
        <translation>沒有員工</translation>
    </message>
</context>
<context>
    <name>SummaryDialog</name>
    <message>
        <source>导出汇总</source>
        <translation>匯出彙總</translation>
    </message>
    <message>
        <source>Excel 工作簿 (*.xlsx)</source>
        <translation>Excel 工作簿 (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV 檔案 (*.csv)</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF 檔案 (*.pdf)</translation>
    </message>
    <message>
        <source>全体员工考勤汇总</source>
        <translation>全體員工考勤彙總</translation>
    </message>
    <message>
        <source>重新汇总</source>
        <translation>重新彙總</translation>
    </message>
    <message>
        <source>按第2页现在的结算期、时间模式、休息日和考勤数据重新汇总</source>
        <translation>按第2頁現在的結算期、時間模式、休息日和考勤資料重新彙總</translation>
    </message>
    <message>
        <source>按部门小计</source>
        <translation>按部門小計</translation>
    </message>
    <message>
        <source>按 Schedules.json 中的部门分组，每个部门后加小计，最后是合计</source>
        <translation>按 Schedules.json 中的部門分組，每個部門後加小計，最後是合計</translation>
    </message>
    <message>
        <source>印在汇总、考勤表和打印件上；下次打开时仍在</source>
        <translation>印在彙總、考勤表和列印稿上；下次開啟時仍在</translation>
    </message>
    <message>
        <source>导出为 Excel 工作簿：汇总、明细、登记、说明和考勤表</source>
        <translation>匯出為 Excel 工作簿：彙總、明細、登記、說明和考勤表</translation>
    </message>
    <message>
        <source>导出汇总表为 CSV 文件</source>
        <translation>匯出彙總表為 CSV 檔案</translation>
    </message>
    <message>
        <source>导出为 PDF：汇总表和考勤表，之后每位员工一页考勤卡</source>
        <translation>匯出為 PDF：彙總表和考勤表，之後每位員工一頁考勤卡</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>打印汇总与每位员工的明细</source>
        <translation>列印彙總與每位員工的明細</translation>
    </message>
    <message>
        <source>制表人</source>
        <translation>製表人</translation>
    </message>
    <message>
        <source>审核人</source>
        <translation>審核人</translation>
    </message>
    <message>
        <source>导出 --&gt;</source>
        <translation>匯出 --&gt;</translation>
    </message>
    <message>
        <source>正在汇总…</source>
        <translation>正在彙總…</translation>
    </message>
    <message>
        <source>汇总已取消</source>
        <translation>彙總已取消</translation>
    </message>
    <message>
        <source>没有员工</source>
        <translation>沒有員工</translation>
    </message>
    <message>
        <source>汇总未能完成</source>
        <translation>彙總未能完成</translation>
    </message>
    <message>
        <source>共 %1 名员工，全勤 %2 名，罚款合计 %3 元</source>
        <translation>共 %1 名員工，全勤 %2 名，罰款合計 %3 元</translation>
    </message>
    <message>
        <source>，%1 名本期无打卡记录</source>
        <translation>，%1 名本期無打卡記錄</translation>
    </message>
    <message>
        <source>（另有 %1 笔金额无法识别，未计入，见标有 ? 的员工）</source>
        <translation>（另有 %1 筆金額無法識別，未計入，見標有 ? 的員工）</translation>
    </message>
    <message>
        <source>。双击一行在结果列表中查看该员工。</source>
        <translation>。雙擊一行在結果列表中檢視該員工。</translation>
    </message>
    <message>
        <source>考勤汇总%1-%2%3</source>
        <translation>考勤彙總%1-%2%3</translation>
    </message>
    <message>
        <source>正在导出 %1 …</source>
        <translation>正在匯出 %1 …</translation>
    </message>
    <message>
        <source>汇总已导出到 %1</source>
        <translation>彙總已匯出到 %1</translation>
    </message>
    <message>
        <source>打印汇总</source>
        <translation>列印彙總</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>正在列印…</translation>
    </message>
    <message>
        <source>无法打印：打印机未能开始打印，请检查打印机设置。</source>
        <translation>無法列印：印表機未能開始列印，請檢查印表機設定。</translation>
    </message>
    <message>
        <source>汇总已送往打印机（共 %1 页）。</source>
        <translation>彙總已送往印表機（共 %1 頁）。</translation>
    </message>
    <message>
        <source>请重新填写制表人和审核人。</source>
        <translation>請重新填寫製表人和審核人。</translation>
    </message>
    <message>
        <source>结算期</source>
        <translation>結算期</translation>
    </message>
    <message>
        <source>月结制式</source>
        <translation>月結制式</translation>
    </message>
    <message>
        <source>时间模式</source>
        <translation>時間模式</translation>
    </message>
    <message>
        <source>休息日</source>
        <translation>休息日</translation>
    </message>
    <message>
        <source>考勤数据</source>
        <translation>考勤資料</translation>
    </message>
    <message>
        <source>登记、值日表或设置</source>
        <translation>登記、值日表或設定</translation>
    </message>
    <message>
        <source>汇总已过期：%1已更改，表中数字仍是更改前的，不能导出或打印。请重新汇总。</source>
        <translation>彙總已過期：%1已更改，表中數字仍是更改前的，不能匯出或列印。請重新彙總。</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
    <message>
        <source>请先选择结算的起始年份和月份！</source>
        <translation>請先選擇結算的起始年份和月份！</translation>
    </message>
    <message>
        <source>按本列升序排列</source>
        <translation>依本欄遞增排序</translation>
    </message>
    <message>
        <source>按本列降序排列</source>
        <translation>依本欄遞減排序</translation>
    </message>
    <message>
        <source>按员工列表的顺序排列</source>
        <translation>依員工列表的順序排列</translation>
    </message>
</context>
<context>
    <name>SummaryModel</name>
    <message>
        <source>%1  %2（金额无法识别，未计入）</source>
        <translation>%1  %2（金額無法識別，未計入）</translation>
    </message>
    <message>
        <source>%1 在本结算期内没有一次打卡：没有可统计的数字，不计全勤。</source>
        <translation>%1 在本結算期內沒有一次打卡：沒有可統計的數字，不計全勤。</translation>
    </message>
    <message>
        <source>双击在结果列表中查看 %1</source>
        <translation>雙擊在結果列表中檢視 %1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>文件 %1 第%2行不是 UTF-8 编码的文字（可能是以 GBK 等编码保存的），请用 UTF-8 编码另存。</source>
        <translation>檔案 %1 第%2行不是 UTF-8 編碼的文字（可能是以 GBK 等編碼儲存的），請用 UTF-8 編碼另存。</translation>
    </message>
</context>
<context>
    <name>TodayMonths</name>
    <message>
        <source>一</source>
        <translation>一</translation>
    </message>
    <message>
        <source>二</source>
        <translation>二</translation>
    </message>
    <message>
        <source>三</source>
        <translation>三</translation>
    </message>
    <message>
        <source>四</source>
        <translation>四</translation>
    </message>
    <message>
        <source>五</source>
        <translation>五</translation>
    </message>
    <message>
        <source>六</source>
        <translation>六</translation>
    </message>
    <message>
        <source>七</source>
        <translation>七</translation>
    </message>
    <message>
        <source>八</source>
        <translation>八</translation>
    </message>
    <message>
        <source>九</source>
        <translation>九</translation>
    </message>
    <message>
        <source>十</source>
        <translation>十</translation>
    </message>
    <message>
        <source>十一</source>
        <translation>十一</translation>
    </message>
    <message>
        <source>十二</source>
        <translation>十二</translation>
    </message>
</context>
<context>
    <name>TodayPage</name>
    <message>
        <source>2013年02月20日 星期三 [农历癸巳年一月十一]</source>
        <translation>2013年02月20日 星期三 [農曆癸巳年一月十一]</translation>
    </message>
    <message>
        <source>日期控件未能载入，农历与日期选择暂不可用。</source>
        <translation>日期控制元件未能載入，農曆與日期選擇暫不可用。</translation>
    </message>
    <message>
        <source>本月时令</source>
        <translation>本月時令</translation>
    </message>
    <message>
        <source>提示：在左侧日历中选好日期后，到[考勤统计]页点击“置为当前”，即可把它设为当前工作日期；点击“今日”则回到当前工作日期。</source>
        <translation>提示：在左側日曆中選好日期後，到[考勤統計]頁點選「設為目前」，即可把它設為目前工作日期；點選「今日」則回到目前工作日期。</translation>
    </message>
</context>
<context>
    <name>TodayTexts</name>
    <message>
        <source>星期</source>
        <translation>星期</translation>
    </message>
    <message>
        <source>周</source>
        <translation>週</translation>
    </message>
    <message>
        <source>%1年%2月%3日 </source>
        <translation>%1年%2月%3日 </translation>
    </message>
    <message>
        <source> [农历</source>
        <translation> [農曆</translation>
    </message>
    <message>
        <source>梅花</source>
        <translation>梅花</translation>
    </message>
    <message>
        <source>杏花</source>
        <translation>杏花</translation>
    </message>
    <message>
        <source>桃花</source>
        <translation>桃花</translation>
    </message>
    <message>
        <source>牡丹花</source>
        <translation>牡丹花</translation>
    </message>
    <message>
        <source>石榴花</source>
        <translation>石榴花</translation>
    </message>
    <message>
        <source>荷花</source>
        <translation>荷花</translation>
    </message>
    <message>
        <source>葵花</source>
        <translation>葵花</translation>
    </message>
    <message>
        <source>桂花</source>
        <translation>桂花</translation>
    </message>
    <message>
        <source>菊花</source>
        <translation>菊花</translation>
    </message>
    <message>
        <source>芙蓉花</source>
        <translation>芙蓉花</translation>
    </message>
    <message>
        <source>山茶花</source>
        <translation>山茶花</translation>
    </message>
    <message>
        <source>水仙花</source>
        <translation>水仙花</translation>
    </message>
    <message>
        <source>天气进一步变冷</source>
        <translation>天氣進一步變冷</translation>
    </message>
    <message>
        <source>春回大地万物复苏</source>
        <translation>春回大地萬物復甦</translation>
    </message>
    <message>
        <source>气温开始较快回升</source>
        <translation>氣溫開始較快回升</translation>
    </message>
    <message>
        <source>天气转暖草木繁茂</source>
        <translation>天氣轉暖草木繁茂</translation>
    </message>
    <message>
        <source>天气开始变的炎热</source>
        <translation>天氣開始變的炎熱</translation>
    </message>
    <message>
        <source>麦类等芒作物成熟</source>
        <translation>麥類等芒作物成熟</translation>
    </message>
    <message>
        <source>夏日炎炎酷暑难当</source>
        <translation>夏日炎炎酷暑難當</translation>
    </message>
    <message>
        <source>秋高气爽果实成熟</source>
        <translation>秋高氣爽果實成熟</translation>
    </message>
    <message>
        <source>天温下降天气转凉</source>
        <translation>天溫下降天氣轉涼</translation>
    </message>
    <message>
        <source>露水凝结渐有寒意</source>
        <translation>露水凝結漸有寒意</translation>
    </message>
    <message>
        <source>冬临大地寒风呼啸</source>
        <translation>冬臨大地寒風呼嘯</translation>
    </message>
    <message>
        <source>将开始有大的降雪</source>
        <translation>將開始有大的降雪</translation>
    </message>
    <message>
        <source>最冷的时候到了</source>
        <translation>最冷的時候到了</translation>
    </message>
    <message>
        <source>降雨量开始增多</source>
        <translation>降雨量開始增多</translation>
    </message>
    <message>
        <source>昼夜长短相等了</source>
        <translation>晝夜長短相等了</translation>
    </message>
    <message>
        <source>雨水增多谷物生长</source>
        <translation>雨水增多穀物生長</translation>
    </message>
    <message>
        <source>夏熟作物开始饱满</source>
        <translation>夏熟作物開始飽滿</translation>
    </message>
    <message>
        <source>雷雨时节雨连连</source>
        <translation>雷雨時節雨連連</translation>
    </message>
    <message>
        <source>夏天最热的时节</source>
        <translation>夏天最熱的時節</translation>
    </message>
    <message>
        <source>炎热天气即将结束</source>
        <translation>炎熱天氣即將結束</translation>
    </message>
    <message>
        <source>天气渐冷开始有霜</source>
        <translation>天氣漸冷開始有霜</translation>
    </message>
    <message>
        <source>开始有小雪和冰苞</source>
        <translation>開始有小雪和冰苞</translation>
    </message>
    <message>
        <source>冰雪时节雪纷纷</source>
        <translation>冰雪時節雪紛紛</translation>
    </message>
    <message>
        <source>日</source>
        <translation>日</translation>
    </message>
    <message>
        <source>一</source>
        <translation>一</translation>
    </message>
    <message>
        <source>二</source>
        <translation>二</translation>
    </message>
    <message>
        <source>三</source>
        <translation>三</translation>
    </message>
    <message>
        <source>四</source>
        <translation>四</translation>
    </message>
    <message>
        <source>五</source>
        <translation>五</translation>
    </message>
    <message>
        <source>六</source>
        <translation>六</translation>
    </message>
    <message>
        <source>星期%1</source>
        <translation>星期%1</translation>
    </message>
    <message>
        <source>周%1</source>
        <translation>週%1</translation>
    </message>
    <message>
        <source>%1月%2开</source>
        <translation>%1月%2開</translation>
    </message>
</context>
<context>
    <name>WeekPatternDialog</name>
    <message>
        <source>周一</source>
        <translation>週一</translation>
    </message>
    <message>
        <source>周二</source>
        <translation>週二</translation>
    </message>
    <message>
        <source>周三</source>
        <translation>週三</translation>
    </message>
    <message>
        <source>周四</source>
        <translation>週四</translation>
    </message>
    <message>
        <source>周五</source>
        <translation>週五</translation>
    </message>
    <message>
        <source>周六</source>
        <translation>週六</translation>
    </message>
    <message>
        <source>周日</source>
        <translation>週日</translation>
    </message>
    <message>
        <source>周排班与部门</source>
        <translation>週排班與部門</translation>
    </message>
    <message>
        <source>（不在员工列表）</source>
        <translation>（不在員工列表）</translation>
    </message>
    <message>
        <source>员工周排班</source>
        <translation>員工週排班</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>編號</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>部门</source>
        <translation>部門</translation>
    </message>
    <message>
        <source>设置所选员工（可按住 Ctrl 或 Shift 多选）</source>
        <translation>設定所選員工（可按住 Ctrl 或 Shift 多選）</translation>
    </message>
    <message>
        <source>设为周排班(&amp;P)</source>
        <translation>設為週排班(&amp;P)</translation>
    </message>
    <message>
        <source>取消周排班(&amp;X)</source>
        <translation>取消週排班(&amp;X)</translation>
    </message>
    <message>
        <source>所选员工改回按时间模式和结算日历的休息日考勤</source>
        <translation>所選員工改回按時間模式和結算日曆的休息日考勤</translation>
    </message>
    <message>
        <source>设为部门(&amp;B)</source>
        <translation>設為部門(&amp;B)</translation>
    </message>
    <message>
        <source>部门(&amp;M)：</source>
        <translation>部門(&amp;M)：</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>确定后，请在“班次设置”中点击“保存”写入文件。</source>
        <translation>確定後，請在「班次設定」中點選「儲存」寫入檔案。</translation>
    </message>
    <message>
        <source>请先在表中选择员工！</source>
        <translation>請先在表中選擇員工！</translation>
    </message>
</context>
<context>
    <name>tarnby-cli</name>
    <message>
        <source>未知的选项：%1</source>
        <translation>未知的選項：%1</translation>
    </message>
    <message>
        <source>%1 后面缺少取值。</source>
        <translation>%1 後面缺少取值。</translation>
    </message>
    <message>
        <source>输出格式只能是 json 或 csv：%1</source>
        <translation>輸出格式只能是 json 或 csv：%1</translation>
    </message>
    <message>
        <source>--explain 只能用于 JSON 输出，不能与 --format csv 一起使用。</source>
        <translation>--explain 只能用於 JSON 輸出，不能與 --format csv 一起使用。</translation>
    </message>
    <message>
        <source>请用 --employee 指定一名员工，或用 --all 分析全部员工（二者选一）。</source>
        <translation>請用 --employee 指定一名員工，或用 --all 分析全部員工（二者選一）。</translation>
    </message>
    <message>
        <source>“%1”不是员工，请指定员工编号。</source>
        <translation>「%1」不是員工，請指定員工編號。</translation>
    </message>
    <message>
        <source>第%1行不是可以读取的打卡记录，请检查数据读取位置</source>
        <translation>第%1列不是可以讀取的打卡記錄，請檢查資料讀取位置</translation>
    </message>
    <message>
        <source>数据读取位置设定不正确</source>
        <translation>資料讀取位置設定不正確</translation>
    </message>
    <message>
        <source>第%1行</source>
        <translation>第%1列</translation>
    </message>
    <message>
        <source>第%1行 %2列</source>
        <translation>第%1列 %2欄</translation>
    </message>
    <message>
        <source>文件：%1
</source>
        <translation>檔案：%1
</translation>
    </message>
    <message>
        <source>读取错误：%1
</source>
        <translation>讀取錯誤：%1
</translation>
    </message>
    <message>
        <source>样式：%1（%2</source>
        <translation>樣式：%1（%2</translation>
    </message>
    <message>
        <source>：</source>
        <translation>：</translation>
    </message>
    <message>
        <source>）
</source>
        <translation>）
</translation>
    </message>
    <message>
        <source>工作表：%1</source>
        <translation>工作表：%1</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>考勤期间：%1 至 %2
</source>
        <translation>考勤期間：%1 至 %2
</translation>
    </message>
    <message>
        <source>表头行：%1
</source>
        <translation>表頭列：%1
</translation>
    </message>
    <message>
        <source>起始行：%1
</source>
        <translation>起始列：%1
</translation>
    </message>
    <message>
        <source>%1–%2=日（%3列）</source>
        <translation>%1–%2=日（%3欄）</translation>
    </message>
    <message>
        <source>列：%1
</source>
        <translation>欄：%1
</translation>
    </message>
    <message>
        <source>，</source>
        <translation>，</translation>
    </message>
    <message>
        <source>记录：%1
</source>
        <translation>記錄：%1
</translation>
    </message>
    <message>
        <source>跳过：%1
</source>
        <translation>跳過：%1
</translation>
    </message>
    <message>
        <source>  %1：%2</source>
        <translation>  %1：%2</translation>
    </message>
    <message>
        <source>提示：第%1行像是一条打卡记录，但数据读取位置从第%2行读起，这一行没有读入。
</source>
        <translation>提示：第%1列像是一筆打卡記錄，但資料讀取位置從第%2列讀起，這一列沒有讀入。
</translation>
    </message>
    <message>
        <source>--format 后面缺少取值。</source>
        <translation>--format 後面缺少取值。</translation>
    </message>
    <message>
        <source>输出格式只能是 text 或 json：%1</source>
        <translation>輸出格式只能是 text 或 json：%1</translation>
    </message>
    <message>
        <source>缺少要识别的文件。</source>
        <translation>缺少要識別的檔案。</translation>
    </message>
    <message>
        <source>多余的参数：%1</source>
        <translation>多餘的參數：%1</translation>
    </message>
    <message>
        <source>%1 后面缺少值。</source>
        <translation>%1 後面缺少值。</translation>
    </message>
    <message>
        <source>--format 只能是 text 或 json：%1</source>
        <translation>--format 只能是 text 或 json：%1</translation>
    </message>
    <message>
        <source>%1 第%2行不是变更记录，已略过。</source>
        <translation>%1 第%2行不是變更記錄，已略過。</translation>
    </message>
    <message>
        <source>缺少考勤所在目录。</source>
        <translation>缺少考勤所在資料夾。</translation>
    </message>
    <message>
        <source>只能给出一个考勤所在目录。</source>
        <translation>只能給出一個考勤所在資料夾。</translation>
    </message>
    <message>
        <source>--value 后面缺少日期（yyyy-mm-dd）。</source>
        <translation>--value 後面缺少日期（yyyy-mm-dd）。</translation>
    </message>
    <message>
        <source>--value 的日期无效：%1</source>
        <translation>--value 的日期無效：%1</translation>
    </message>
    <message>
        <source>第 %1 行不是日期（yyyy-mm-dd）：%2</source>
        <translation>第 %1 行不是日期（yyyy-mm-dd）：%2</translation>
    </message>
    <message>
        <source>%1 的取值须为 zh_CN、zh_TW 或 en：%2</source>
        <translation>%1 的取值須為 zh_CN、zh_TW 或 en：%2</translation>
    </message>
    <message>
        <source>%1 的取值有误：%2</source>
        <translation>%1 的取值有誤：%2</translation>
    </message>
    <message>
        <source>请用 --output 指定报表文件（.xlsx、.csv 或 .pdf）。</source>
        <translation>請用 --output 指定報表檔案（.xlsx、.csv 或 .pdf）。</translation>
    </message>
    <message>
        <source>报表文件名须以 .xlsx、.csv 或 .pdf 结尾：%1</source>
        <translation>報表檔名須以 .xlsx、.csv 或 .pdf 結尾：%1</translation>
    </message>
    <message>
        <source>用法：
</source>
        <translation>用法：
</translation>
    </message>
    <message>
        <source>--home 后面缺少程序文件夹。</source>
        <translation>--home 後面缺少程式資料夾。</translation>
    </message>
    <message>
        <source>未知的命令：%1</source>
        <translation>未知的命令：%1</translation>
    </message>
    <message>
        <source>时间模式只能是 1 或 2：%1</source>
        <translation>時間模式只能是 1 或 2：%1</translation>
    </message>
    <message>
        <source>请输入有效的年份(1901-2100)！</source>
        <translation>請輸入有效的年份(1901-2100)！</translation>
    </message>
    <message>
        <source>请输入正确的月份！</source>
        <translation>請輸入正確的月份！</translation>
    </message>
    <message>
        <source>月结制式只能是 1（月初制）或 2（月中制）：%1</source>
        <translation>月結制式只能是 1（月初制）或 2（月中制）：%1</translation>
    </message>
    <message>
        <source>休息日不是有效的日期（yyyy-mm-dd）：%1</source>
        <translation>休息日不是有效的日期（yyyy-mm-dd）：%1</translation>
    </message>
    <message>
        <source>请用 --folder 指定考勤所在目录。</source>
        <translation>請用 --folder 指定考勤所在資料夾。</translation>
    </message>
    <message>
        <source>请用 --year 和 --month 指定起始年月。</source>
        <translation>請用 --year 和 --month 指定起始年月。</translation>
    </message>
    <message>
        <source>找不到配置文件：%1</source>
        <translation>找不到設定檔：%1</translation>
    </message>
    <message>
        <source>lunar [--value yyyy-mm-dd] &lt; 日期列表</source>
        <translation>lunar [--value yyyy-mm-dd] &lt; 日期清單</translation>
    </message>
    <message>
        <source>找不到生成 PDF 的模块，无法生成 PDF。找过：%1</source>
        <translation>找不到產生 PDF 的模組，無法產生 PDF。找過：%1</translation>
    </message>
    <message>
        <source>无法载入生成 PDF 的模块，无法生成 PDF：%1</source>
        <translation>無法載入產生 PDF 的模組，無法產生 PDF：%1</translation>
    </message>
    <message>
        <source>生成 PDF 的模块与本程序不配套，无法生成 PDF：%1</source>
        <translation>產生 PDF 的模組與本程式不相符，無法產生 PDF：%1</translation>
    </message>
</context>
</TS>
