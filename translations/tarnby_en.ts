<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AnalysisPage</name>
    <message>
        <source>考勤记录列表/统计</source>
        <translation>Attendance list/statistics</translation>
    </message>
    <message>
        <source>1、请选择起始 年/月</source>
        <translation>1. Start year/month</translation>
    </message>
    <message>
        <source>年</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>月</source>
        <translation>M</translation>
    </message>
    <message>
        <source>2、请选月结制式</source>
        <translation>2. Settlement</translation>
    </message>
    <message>
        <source>月初制</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>月中制</source>
        <translation>Mid</translation>
    </message>
    <message>
        <source>3、设置休假日</source>
        <translation>3. Rest days</translation>
    </message>
    <message>
        <source>鼠标左击标记为休息</source>
        <translation>Left-click: rest day</translation>
    </message>
    <message>
        <source>鼠标右击取消标记</source>
        <translation>Right-click: unmark</translation>
    </message>
    <message>
        <source>设好后请点击更新</source>
        <translation>Then Refresh</translation>
    </message>
    <message>
        <source>日</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>一</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>二</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>三</source>
        <translation>We</translation>
    </message>
    <message>
        <source>四</source>
        <translation>Th</translation>
    </message>
    <message>
        <source>五</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>六</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>今日</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>置为当前</source>
        <translation>Set date</translation>
    </message>
    <message>
        <source>4、时间模式</source>
        <translation>4. Mode</translation>
    </message>
    <message>
        <source>模式一</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>模式二</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>5、选择员工</source>
        <translation>5. Employee</translation>
    </message>
    <message>
        <source>刷新列表 --&gt;</source>
        <translation>Refresh list --&gt;</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>读取记录 --&gt;</source>
        <translation>Read records --&gt;</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>汇总</source>
        <translation>Totals</translation>
    </message>
    <message>
        <source>全体员工考勤汇总：统计、全勤与罚款，可导出 xlsx/csv/pdf 或打印</source>
        <translation>Attendance summary of all employees: statistics, full attendance and fines; export to xlsx/csv/pdf or print</translation>
    </message>
    <message>
        <source>计算器</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>※备注中*号，表示当天有员工特殊情况登记，查看详情请点击 --&gt;</source>
        <translation>※ A * in the remarks marks a special case; details --&gt;</translation>
    </message>
    <message>
        <source>考勤统计：</source>
        <translation>Statistics:</translation>
    </message>
    <message>
        <source>特殊情况登记列表</source>
        <translation>Special case registrations</translation>
    </message>
    <message>
        <source>使用行政班制时间模式</source>
        <translation>Office hours</translation>
    </message>
    <message>
        <source>使用朝九晚五时间模式</source>
        <translation>Nine to five</translation>
    </message>
    <message>
        <source>请先选择结算的起始年份和月份！</source>
        <translation>Please choose the starting year and month of the settlement first!</translation>
    </message>
    <message>
        <source>按班次考勤：早退也使全勤为“无”。
</source>
        <translation>Judged by shift: leaving early also makes full attendance &quot;No&quot;.
</translation>
    </message>
    <message>
        <source>还没有读取考勤记录，请先点击“读取”读入考勤数据，再查看汇总。</source>
        <translation>No attendance records have been read yet. Click &quot;Read&quot; to read the attendance data, then view the summary.</translation>
    </message>
    <message>
        <source>员工“%1”已不在员工列表中，请重新汇总。</source>
        <translation>Employee &quot;%1&quot; is no longer in the employee list. Please summarise again.</translation>
    </message>
    <message>
        <source>值日迟到</source>
        <translation>Duty late</translation>
    </message>
    <message>
        <source>上班迟到</source>
        <translation>Late</translation>
    </message>
    <message>
        <source>10分钟内</source>
        <translation>≤10 min</translation>
    </message>
    <message>
        <source>30分钟内</source>
        <translation>≤30 min</translation>
    </message>
    <message>
        <source>60分钟内</source>
        <translation>≤60 min</translation>
    </message>
    <message>
        <source>漏打</source>
        <translation>Missed</translation>
    </message>
    <message>
        <source>请假</source>
        <translation>Leave</translation>
    </message>
    <message>
        <source>病假</source>
        <translation>Sick</translation>
    </message>
    <message>
        <source>事假</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>旷工</source>
        <translation>Absent</translation>
    </message>
    <message>
        <source>加班</source>
        <translation>Overtime</translation>
    </message>
    <message>
        <source>一档</source>
        <translation>Tier 1</translation>
    </message>
    <message>
        <source>二档</source>
        <translation>Tier 2</translation>
    </message>
    <message>
        <source>休息日</source>
        <translation>Rest day</translation>
    </message>
    <message>
        <source>全勤</source>
        <translation>Full att.</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>星期</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>A上班</source>
        <translation>AM in</translation>
    </message>
    <message>
        <source>A下班</source>
        <translation>AM out</translation>
    </message>
    <message>
        <source>P上班</source>
        <translation>PM in</translation>
    </message>
    <message>
        <source>P下班</source>
        <translation>PM out</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>%1：</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>设置休假日</source>
        <translation>Rest days</translation>
    </message>
    <message>
        <source>考勤记录列表</source>
        <translation>Attendance records</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>yyyy年M月d日</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>农历</source>
        <translation>Lunar </translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>找不到[计算器]程序！</source>
        <translation>The [Calculator] program cannot be found!</translation>
    </message>
    <message>
        <source>[计算器]程序无法启动：%1</source>
        <translation>The [Calculator] program could not be started: %1</translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>配置文件 Init.ini %1</source>
        <translation>The configuration file Init.ini %1</translation>
    </message>
    <message>
        <source>是空文件。</source>
        <translation>is empty.</translation>
    </message>
    <message>
        <source>缺少“%1”行（%2）。</source>
        <translation>lacks the line &quot;%1&quot; (%2).</translation>
    </message>
    <message>
        <source>结束行</source>
        <translation>end line</translation>
    </message>
    <message>
        <source>员工编号段的开始</source>
        <translation>start of the employee section</translation>
    </message>
    <message>
        <source>员工编号段的结束</source>
        <translation>end of the employee section</translation>
    </message>
    <message>
        <source>时间段的开始</source>
        <translation>start of the time section</translation>
    </message>
    <message>
        <source>时间段的结束</source>
        <translation>end of the time section</translation>
    </message>
    <message>
        <source>的员工编号段与时间段相互嵌套。</source>
        <translation>has the employee section and the time section inside each other.</translation>
    </message>
    <message>
        <source>的时间段中没有时间行。</source>
        <translation>has no time line in its time section.</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>第%1行的员工记录缺少逗号：%2</source>
        <translation>has an employee record without a comma in line %1: %2</translation>
    </message>
    <message>
        <source>的时间行不足36个字符：%1</source>
        <translation>has a time line shorter than 36 characters: %1</translation>
    </message>
    <message>
        <source>的第一行（数据读取位置）不足5个字符：%1</source>
        <translation>has a first line (the reading position) shorter than 5 characters: %1</translation>
    </message>
    <message>
        <source>员工编号保存成功！</source>
        <translation>Employee list saved!</translation>
    </message>
    <message>
        <source>时间模式[1]保存成功！</source>
        <translation>Time mode [1] saved!</translation>
    </message>
    <message>
        <source>时间模式[2]保存成功！</source>
        <translation>Time mode [2] saved!</translation>
    </message>
    <message>
        <source>数据读取位置保存成功！</source>
        <translation>Reading position saved!</translation>
    </message>
    <message>
        <source>“%1”中有无法保存的字符。</source>
        <translation>&quot;%1&quot; holds characters that cannot be saved.</translation>
    </message>
</context>
<context>
    <name>DataFolderPanel</name>
    <message>
        <source>选择考勤所在目录：</source>
        <translation>Choose the attendance folder: </translation>
    </message>
    <message>
        <source>正在读取，请稍候！</source>
        <translation>Reading, please wait!</translation>
    </message>
    <message>
        <source>可读取 xls、xlsx、xlsm、csv、dat 文件</source>
        <translation>Reads xls, xlsx, xlsm, csv and dat files</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>读取文件夹数据 --&gt;</source>
        <translation>Read folder data --&gt;</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>点击关闭 --&gt;</source>
        <translation>Click to close --&gt;</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>考勤记录所在的文件夹；</source>
        <translation>The folder holding the attendance records; </translation>
    </message>
    <message>
        <source>：每行一条打卡记录的表格，考勤机的月报表，带表头的考勤表，无表头的原始记录</source>
        <translation>: tables with one punch a row, the time clock&apos;s monthly reports, attendance sheets with headers, raw records without headers</translation>
    </message>
    <message>
        <source>报告</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>每个文件的读取方式、记录数、跳过的行和未登记的工号</source>
        <translation>How each file was read, its record count, the skipped rows and the unregistered employee numbers</translation>
    </message>
    <message>
        <source>第 %1/%2 个文件 %3，已读 %4 条</source>
        <translation>File %1/%2 %3, %4 records read</translation>
    </message>
</context>
<context>
    <name>DayExplanation</name>
    <message>
        <source>值日表排定当天值日，备注记“值日”</source>
        <translation>The duty roster puts the employee on duty; the remark says “duty”</translation>
    </message>
    <message>
        <source>值日迟到（10分钟内）</source>
        <translation>duty late (≤10 min)</translation>
    </message>
    <message>
        <source>值日迟到（30分钟内）</source>
        <translation>duty late (≤30 min)</translation>
    </message>
    <message>
        <source>迟到（10分钟内）</source>
        <translation>late (≤10 min)</translation>
    </message>
    <message>
        <source>迟到（30分钟内）</source>
        <translation>late (≤30 min)</translation>
    </message>
    <message>
        <source>迟到（60分钟内）</source>
        <translation>late (≤60 min)</translation>
    </message>
    <message>
        <source>漏打</source>
        <translation>missed punches</translation>
    </message>
    <message>
        <source>病假</source>
        <translation>sick leave</translation>
    </message>
    <message>
        <source>事假</source>
        <translation>personal leave</translation>
    </message>
    <message>
        <source>旷工</source>
        <translation>absence</translation>
    </message>
    <message>
        <source>加班一档</source>
        <translation>overtime tier 1</translation>
    </message>
    <message>
        <source>加班二档</source>
        <translation>overtime tier 2</translation>
    </message>
    <message>
        <source>休息日加班</source>
        <translation>rest-day overtime</translation>
    </message>
    <message>
        <source>%1 以后</source>
        <translation>after %1</translation>
    </message>
    <message>
        <source>A上班</source>
        <translation>AM in</translation>
    </message>
    <message>
        <source>A下班</source>
        <translation>AM out</translation>
    </message>
    <message>
        <source>P上班</source>
        <translation>PM in</translation>
    </message>
    <message>
        <source>P下班</source>
        <translation>PM out</translation>
    </message>
    <message>
        <source>%1天</source>
        <translation>%1 d</translation>
    </message>
    <message>
        <source>上午%1 %2→%3</source>
        <translation>morning %1 %2→%3</translation>
    </message>
    <message>
        <source>下午%1 %2→%3</source>
        <translation>afternoon %1 %2→%3</translation>
    </message>
    <message>
        <source>时间无法识别，不计</source>
        <translation>the time cannot be read; not counted</translation>
    </message>
    <message>
        <source>不在任何打卡时段，不计</source>
        <translation>outside every punch window; not counted</translation>
    </message>
    <message>
        <source>不在任何打卡时段：比最近的 %1 时段（%2）早 %3 分钟，不计</source>
        <translation>outside every punch window: %3 minutes before the nearest, %1 (%2); not counted</translation>
    </message>
    <message>
        <source>不在任何打卡时段：比最近的 %1 时段（%2）晚 %3 分钟，不计</source>
        <translation>outside every punch window: %3 minutes after the nearest, %1 (%2); not counted</translation>
    </message>
    <message>
        <source>%1 时段（%2）内已有更早的 %3，保留最早的一次，本次不计</source>
        <translation>the %1 window (%2) already holds an earlier %3; the earliest is kept, this one is not counted</translation>
    </message>
    <message>
        <source>%1 时段（%2）内已有同一分钟的 %3，保留最早的一次，本次不计</source>
        <translation>the %1 window (%2) already holds %3 in the same minute; the earliest is kept, this one is not counted</translation>
    </message>
    <message>
        <source>%1 时段（%2）内，早于下班时间 %3，计为 %1（早退）</source>
        <translation>in the %1 window (%2), before the off-duty time %3: counted as %1 (early leave)</translation>
    </message>
    <message>
        <source>%1 时段（%2）内最晚的一次，计为 %1</source>
        <translation>the latest in the %1 window (%2): counted as %1</translation>
    </message>
    <message>
        <source>%1 时段（%2）内最早的一次，计为 %1</source>
        <translation>the earliest in the %1 window (%2): counted as %1</translation>
    </message>
    <message>
        <source>%1 时段（%2）内，被更晚的 %3 取代（%4）</source>
        <translation>in the %1 window (%2), replaced by the later %3 (%4)</translation>
    </message>
    <message>
        <source>保留最晚的一次</source>
        <translation>the latest is kept</translation>
    </message>
    <message>
        <source>下班时间前的打卡让给更晚的一次</source>
        <translation>a punch before the off-duty time gives way to a later one</translation>
    </message>
    <message>
        <source>次日的打卡，</source>
        <translation>a punch of the next day: </translation>
    </message>
    <message>
        <source>%1 %2&#x3000;A上班 %3&#x3000;A下班 %4&#x3000;P上班 %5&#x3000;P下班 %6</source>
        <translation>%1 %2   AM in %3   AM out %4   PM in %5   PM out %6</translation>
    </message>
    <message>
        <source>备注：%1</source>
        <translation>Remarks: %1</translation>
    </message>
    <message>
        <source>打卡记录：当天没有打卡记录</source>
        <translation>Punches: none that day</translation>
    </message>
    <message>
        <source>打卡记录（按判定顺序）：</source>
        <translation>Punches (in the order judged):</translation>
    </message>
    <message>
        <source>× 不计</source>
        <translation>× not counted</translation>
    </message>
    <message>
        <source>判定：没有需要说明的判定</source>
        <translation>Judgements: nothing to explain</translation>
    </message>
    <message>
        <source>判定：</source>
        <translation>Judgements:</translation>
    </message>
    <message>
        <source>，迟到 %1→%2 分钟</source>
        <translation>, late %1→%2 minutes</translation>
    </message>
    <message>
        <source>，早退 %1→%2 次</source>
        <translation>, early leave %1→%2 times</translation>
    </message>
    <message>
        <source>，早退 %1→%2 分钟</source>
        <translation>, early leave %1→%2 minutes</translation>
    </message>
    <message>
        <source>登记「%1」</source>
        <translation>Registration “%1”</translation>
    </message>
    <message>
        <source>没有可识别的处理方式，计数不变</source>
        <translation> has no handling that can be recognised; the counts stay</translation>
    </message>
    <message>
        <source>按“%1”处理</source>
        <translation> handled as “%1”</translation>
    </message>
    <message>
        <source>（本条没有这个词，它出现在其后的登记文字中）</source>
        <translation> (this entry lacks the word; it appears in the registration text after it)</translation>
    </message>
    <message>
        <source>（本条没有这个词，它出自其后的登记「%1」）</source>
        <translation> (this entry lacks the word; it comes from the later registration “%1”)</translation>
    </message>
    <message>
        <source>，但“处罚”后没有“…元”的金额，不记罚款</source>
        <translation>, but “处罚” is not followed by an amount “…元”; no fine is recorded</translation>
    </message>
    <message>
        <source>：备注记%1</source>
        <translation>: the remark records %1</translation>
    </message>
    <message>
        <source>计数不变</source>
        <translation>the counts stay</translation>
    </message>
    <message>
        <source>休息日：记休息日加班 %1</source>
        <translation>Rest day: rest-day overtime %1</translation>
    </message>
    <message>
        <source>，旷工 %1 不计</source>
        <translation>, absence %1 not counted</translation>
    </message>
    <message>
        <source>不在任何工作日之内：前一工作日到 %1 为止，当天的工作日从 %2 开始，不计</source>
        <translation>within no working day: the previous one ends at %1 and this day&apos;s starts at %2; not counted</translation>
    </message>
    <message>
        <source>属于结算期外的工作日 %1，不计</source>
        <translation>belongs to the working day %1 outside the period; not counted</translation>
    </message>
    <message>
        <source>10分钟内</source>
        <translation>≤10 min</translation>
    </message>
    <message>
        <source>30分钟内</source>
        <translation>≤30 min</translation>
    </message>
    <message>
        <source>60分钟内</source>
        <translation>≤60 min</translation>
    </message>
    <message>
        <source>%1 %2 比上班时间 %3 晚 %4 分钟，未超过宽限 %5 分钟，不算迟到</source>
        <translation>%1 %2 is %4 minutes after the on-duty time %3, within the grace of %5 minutes: not late</translation>
    </message>
    <message>
        <source>%1 %2 比上班时间 %3 晚 %4 分钟，记迟到（%5）</source>
        <translation>%1 %2 is %4 minutes after the on-duty time %3: late (%5)</translation>
    </message>
    <message>
        <source>值日：A上班 %1 比值日到岗时间 %2（上班前 %3 分钟）晚 %4 分钟，记值日迟到（%5）</source>
        <translation>Duty: AM in %1 is %4 minutes after the duty start %2 (%3 minutes before the on-duty time): duty late (%5)</translation>
    </message>
    <message>
        <source>%1 %2 比下班时间 %3 早 %4 分钟，记早退 1 次</source>
        <translation>%1 %2 is %4 minutes before the off-duty time %3: one early leave</translation>
    </message>
    <message>
        <source>没有 %1 打卡，记漏打 1 次</source>
        <translation>no %1 punch: one missed punch</translation>
    </message>
    <message>
        <source>P下班 %1 不早于加班二档时间 %2，记加班二档</source>
        <translation>PM out %1 is not before the overtime tier 2 time %2: overtime tier 2</translation>
    </message>
    <message>
        <source>P下班 %1 不早于%2时间 %3，记加班一档</source>
        <translation>PM out %1 is not before the %2 time %3: overtime tier 1</translation>
    </message>
    <message>
        <source>加班</source>
        <translation>overtime</translation>
    </message>
    <message>
        <source>上午 A上班、A下班 都没有打卡，记旷工半天</source>
        <translation>Morning: no AM in and no AM out punch: absent half a day</translation>
    </message>
    <message>
        <source>下午 P上班、P下班 都没有打卡，记旷工半天</source>
        <translation>Afternoon: no PM in and no PM out punch: absent half a day</translation>
    </message>
    <message>
        <source>A上班、P下班 都没有打卡，记旷工一天</source>
        <translation>no AM in and no PM out punch: absent a whole day</translation>
    </message>
    <message>
        <source>平日加班</source>
        <translation>workday overtime</translation>
    </message>
    <message>
        <source>节假日加班</source>
        <translation>holiday overtime</translation>
    </message>
    <message>
        <source>P下班 %1 比加班起算时间 %2 晚 %3 分钟</source>
        <translation>PM out %1 is %3 minutes after overtime starts at %2</translation>
    </message>
    <message>
        <source>出勤 %1–%2，扣除 %3–%4 的休息，共 %5 分钟</source>
        <translation>present %1–%2, less the break %3–%4: %5 minutes</translation>
    </message>
    <message>
        <source>出勤 %1–%2 共 %3 分钟</source>
        <translation>present %1–%2: %3 minutes</translation>
    </message>
    <message>
        <source>%1，不足 %2 分钟，不计%3</source>
        <translation>%1, less than %2 minutes: no %3</translation>
    </message>
    <message>
        <source>%1，按 %2 分钟取整，记%3 %4 分钟</source>
        <translation>%1, rounded down to steps of %2 minutes: %3 %4 minutes</translation>
    </message>
    <message>
        <source>，按默认班次%1判定</source>
        <translation>; judged by the default shift %1</translation>
    </message>
    <message>
        <source>休息日：排班表 %1 排定休息</source>
        <translation>Rest day: the roster %1 sets a rest day</translation>
    </message>
    <message>
        <source>班次：%1，由排班表 %2 排定</source>
        <translation>Shift: %1, set by the roster %2</translation>
    </message>
    <message>
        <source>休息日：周排班%1休息</source>
        <translation>Rest day: the week pattern rests on %1</translation>
    </message>
    <message>
        <source>班次：%1，按周排班（%2）</source>
        <translation>Shift: %1, by the week pattern (%2)</translation>
    </message>
    <message>
        <source>休息日：节假日按周排班休息</source>
        <translation>Rest day: a holiday rests by the week pattern</translation>
    </message>
    <message>
        <source>班次：%1，调休上班日，按周排班的默认班次上班</source>
        <translation>Shift: %1, a make-up working day on the week pattern&apos;s default shift</translation>
    </message>
    <message>
        <source>班次：%1，没有排班，按时间模式%2</source>
        <translation>Shift: %1, no roster: by time mode %2</translation>
    </message>
    <message>
        <source>二</source>
        <translation>2</translation>
    </message>
    <message>
        <source>一</source>
        <translation>1</translation>
    </message>
    <message>
        <source>；结算日历标记为休息日</source>
        <translation>; the settlement calendar marks a rest day</translation>
    </message>
    <message>
        <source>；当天是节假日（%1），出勤计为节假日加班</source>
        <translation>; the day is a holiday (%1): presence counts as holiday overtime</translation>
    </message>
</context>
<context>
    <name>DayExplanationPanel</name>
    <message>
        <source>当天判定说明</source>
        <translation>Explanation of the day</translation>
    </message>
    <message>
        <source>复制全部</source>
        <translation>Copy all</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>当天判定说明 - %1</source>
        <translation>Explanation of the day - %1</translation>
    </message>
</context>
<context>
    <name>DetectDialog</name>
    <message>
        <source>选择考勤机导出的文件</source>
        <translation>Choose a file exported by the time clock</translation>
    </message>
    <message>
        <source>考勤记录 (*.xls *.xlsx *.xlsm *.csv *.dat);;所有文件 (*)</source>
        <translation>Attendance records (*.xls *.xlsx *.xlsm *.csv *.dat);;All files (*)</translation>
    </message>
    <message>
        <source>自动识别考勤记录的格式</source>
        <translation>Detect the format of attendance records</translation>
    </message>
    <message>
        <source>请选择考勤机导出的文件（xls、xlsx、xlsm、csv、dat）。</source>
        <translation>Please choose a file exported by the time clock (xls, xlsx, xlsm, csv, dat).</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;background:%1&apos;&gt;&amp;nbsp;工号&amp;nbsp;&lt;/span&gt; &lt;span style=&apos;background:%2&apos;&gt;&amp;nbsp;姓名&amp;nbsp;&lt;/span&gt; &lt;span style=&apos;background:%3&apos;&gt;&amp;nbsp;日期时间、日期&amp;nbsp;&lt;/span&gt; &lt;span style=&apos;background:%4&apos;&gt;&amp;nbsp;打卡时间&amp;nbsp;&lt;/span&gt; &lt;span style=&apos;color:%5&apos;&gt;红字：跳过的行&lt;/span&gt;</source>
        <translation>&lt;span style=&apos;background:%1&apos;&gt;&amp;nbsp;No.&amp;nbsp;&lt;/span&gt; &lt;span style=&apos;background:%2&apos;&gt;&amp;nbsp;Name&amp;nbsp;&lt;/span&gt; &lt;span style=&apos;background:%3&apos;&gt;&amp;nbsp;Date and time, date&amp;nbsp;&lt;/span&gt; &lt;span style=&apos;background:%4&apos;&gt;&amp;nbsp;Punch times&amp;nbsp;&lt;/span&gt; &lt;span style=&apos;color:%5&apos;&gt;Red: skipped rows&lt;/span&gt;</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>填入</source>
        <translation>Fill in</translation>
    </message>
    <message>
        <source>把找到的工号和日期时间单元格填入数据读取位置，再点“保存”</source>
        <translation>Fill the employee number and date-time cells found into the reading position, then click &quot;Save&quot;</translation>
    </message>
    <message>
        <source>选择文件 --&gt;</source>
        <translation>Choose a file --&gt;</translation>
    </message>
    <message>
        <source>填入读取位置 --&gt;</source>
        <translation>Fill in the reading position --&gt;</translation>
    </message>
    <message>
        <source>无法读取：</source>
        <translation>Cannot read: </translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>，工作表“%1”</source>
        <translation>, worksheet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>，%1 条打卡记录</source>
        <translation>, %1 punch records</translation>
    </message>
    <message>
        <source>，跳过 %1 行</source>
        <translation>, %1 rows skipped</translation>
    </message>
    <message>
        <source>；第%1行不是考勤记录</source>
        <translation>; row %1 is not an attendance record</translation>
    </message>
    <message>
        <source>正在读取，请稍候！</source>
        <translation>Reading, please wait!</translation>
    </message>
    <message>
        <source>文件的前几行</source>
        <translation>First rows of the file</translation>
    </message>
</context>
<context>
    <name>DutyGridView</name>
    <message>
        <source>日</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>一</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>二</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>三</source>
        <translation>We</translation>
    </message>
    <message>
        <source>四</source>
        <translation>Th</translation>
    </message>
    <message>
        <source>五</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>六</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>值日安排</source>
        <translation>Duty roster</translation>
    </message>
    <message>
        <source>yyyy年M月d日</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>值日</source>
        <translation>On duty: </translation>
    </message>
</context>
<context>
    <name>DutyMonth</name>
    <message>
        <source>值日员工“%1”中没有编号与姓名之间的空格，请重新选择员工！</source>
        <translation>The employee on duty &quot;%1&quot; has no space between number and name; please choose the employee again!</translation>
    </message>
</context>
<context>
    <name>DutyRoster</name>
    <message>
        <source>第 %1 行“%2”不是以日期 00-31 开头的值日记录。</source>
        <translation>Line %1 &quot;%2&quot; is not a duty record starting with a day 00-31.</translation>
    </message>
    <message>
        <source>值日文件 %1 格式不正确：%2</source>
        <translation>The duty file %1 is not in the right format: %2</translation>
    </message>
    <message>
        <source>%1日的值日员工编号“%2”无法保存到值日文件中！</source>
        <translation>The number &quot;%2&quot; of the employee on duty on day %1 cannot be saved in the duty file!</translation>
    </message>
</context>
<context>
    <name>EmployeeRegistrations</name>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>登记事由</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>处理方式</source>
        <translation>Handling</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>没有访问权限</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>不允许此操作</source>
        <translation>operation not permitted</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>the file or folder does not exist</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>超出磁盘配额</source>
        <translation>the disk quota is exceeded</translation>
    </message>
    <message>
        <source>磁盘为只读</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>这是一个文件夹</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>路径中有一项不是文件夹</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>文件已存在</source>
        <translation>the file already exists</translation>
    </message>
    <message>
        <source>文件名太长</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>打开的文件太多</source>
        <translation>too many files are open</translation>
    </message>
    <message>
        <source>磁盘读写出错</source>
        <translation>disk read or write error</translation>
    </message>
    <message>
        <source>文件正被占用</source>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>网络文件夹已断开</source>
        <translation>the network folder is disconnected</translation>
    </message>
</context>
<context>
    <name>FolderImport</name>
    <message>
        <source>请先选择考勤所在目录！</source>
        <translation>Please choose the attendance folder first!</translation>
    </message>
    <message>
        <source>考勤所在目录不存在：%1</source>
        <translation>The attendance folder does not exist: %1</translation>
    </message>
    <message>
        <source>考勤所在目录不是文件夹：%1</source>
        <translation>The attendance folder is not a folder: %1</translation>
    </message>
    <message>
        <source>无法读取考勤所在目录：%1</source>
        <translation>Cannot read the attendance folder: %1</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>另一位用户</source>
        <translation>another user</translation>
    </message>
    <message>
        <source>（电脑 %1）</source>
        <translation> (computer %1)</translation>
    </message>
    <message>
        <source>%1自 %2 起</source>
        <translation>%1 since %2</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>no write permission</translation>
    </message>
    <message>
        <source>无法建立 %1</source>
        <translation>cannot create %1</translation>
    </message>
    <message>
        <source>本次未保存。</source>
        <translation>Nothing was saved.</translation>
    </message>
    <message>
        <source>本窗口已不再独占程序文件夹 %1：它现由%2使用。%3
请关闭本窗口后重新打开本程序。</source>
        <translation>This window no longer has the program folder %1 to itself: %2 is using it now. %3
Please close this window and open the program again.</translation>
    </message>
    <message>
        <source>本窗口为只读：程序文件夹 %1 无法写入（%2）。%3</source>
        <translation>This window is read-only: the program folder %1 cannot be written (%2). %3</translation>
    </message>
    <message>
        <source>本窗口为只读：打开时程序文件夹 %1 正由另一个窗口使用。%2
请重新打开本程序后再保存。</source>
        <translation>This window is read-only: when it opened, the program folder %1 was in use by another window. %2
Please open the program again before saving.</translation>
    </message>
    <message>
        <source>本窗口为只读：程序文件夹 %1 正由%2使用。%3
请等对方关闭程序后，重新打开本程序再保存。</source>
        <translation>This window is read-only: the program folder %1 is in use by %2. %3
Please wait until they close the program, then open it again to save.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>今日</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>登记值日</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>考勤统计</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>系统设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>程序说明</source>
        <translation>About</translation>
    </message>
    <message>
        <source>日期控件未能载入，无法取得所选日期，当前工作日期未改变！</source>
        <translation>The date control could not be loaded, so the chosen date cannot be taken; the current work date is unchanged!</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>是否确定退出本程序？</source>
        <translation>Do you really want to exit the program?</translation>
    </message>
    <message>
        <source>Tarnby考勤助手2.0（只读）</source>
        <translation>Tarnby Attendance 2.0 (read-only)</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>选取文件夹</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>选择考勤文件所在目录：</source>
        <translation>Attendance folder: </translation>
    </message>
    <message>
        <source>确 定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取 消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Folder</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>只写入了一部分，磁盘可能已满</source>
        <translation>only part was written; the disk may be full</translation>
    </message>
    <message>
        <source>无法读取变更记录 %1（%2）</source>
        <translation>Cannot read the change log %1 (%2)</translation>
    </message>
    <message>
        <source>%1 的这个版本已不在变更记录中（每个文件只保留最近 %2 个版本）。</source>
        <translation>This version of %1 is no longer in the change log (only the last %2 versions of each file are kept).</translation>
    </message>
    <message>
        <source>无法读取文件：%1（%2）</source>
        <translation>Cannot read the file: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 现在就是 %2 的版本，无需恢复。</source>
        <translation>%1 already is the version of %2; nothing to restore.</translation>
    </message>
    <message>
        <source>恢复为 %1 的版本</source>
        <translation>restored to the version of %1</translation>
    </message>
    <message>
        <source>%1 已恢复为 %2 的版本。</source>
        <translation>%1 has been restored to the version of %2.</translation>
    </message>
    <message>
        <source>无法建立文件夹 %1</source>
        <translation>Cannot create the folder %1</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>所选变更增加（+）和删除（-）的行：</source>
        <translation>Lines the chosen change added (+) and removed (-): </translation>
    </message>
    <message>
        <source>恢复为修改前的版本</source>
        <translation>Restore the version before the change</translation>
    </message>
    <message>
        <source>恢复为修改后的版本</source>
        <translation>Restore the version after the change</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1年%2月的登记、值日、休息日和排班文件的变更，最新的在前。</source>
        <translation>Changes to the registration, duty, rest day and shift roster files of %2/%1, newest first.</translation>
    </message>
    <message>
        <source>
变更记录中有 %1 行无法识别，未列出。</source>
        <translation>
%1 lines of the change log could not be recognised and are not listed.</translation>
    </message>
    <message>
        <source>
本月的文件还没有变更记录。</source>
        <translation>
This month&apos;s files have no recorded changes yet.</translation>
    </message>
    <message>
        <source>（内容没有变化）</source>
        <translation>(no change in content)</translation>
    </message>
    <message>
        <source>修改前</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>修改后</source>
        <translation>After</translation>
    </message>
    <message>
        <source>确定把 %1 恢复为 %2 这次变更%3的版本吗？
恢复本身也会记入变更记录；登记值日页上未保存的修改将被恢复的内容取代。</source>
        <translation>Restore %1 to its version %3 the change of %2?
The restore itself is recorded in the change log as well; unsaved changes on the registrations &amp; duty page will be replaced by the restored content.</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>用户</source>
        <translation>User</translation>
    </message>
    <message>
        <source>电脑</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>增加</source>
        <translation>Added</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Removed</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>变更记录</source>
        <translation>Change log</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>节假日文件 %1 第%2行无法识别：%3
每行应为“yyyy-mm-dd 节日名称”或“yyyy-mm-dd 上班”，# 之后为注释。该文件未被使用。</source>
        <translation>Line %2 of the holiday file %1 is not recognised: %3
Each line should be &quot;yyyy-mm-dd holiday name&quot; or &quot;yyyy-mm-dd 上班&quot;; # starts a comment. The file was not used.</translation>
    </message>
    <message>
        <source>找不到节假日文件：%1
节假日无法标记。该文件随程序提供，请把它放回程序文件夹；每行一天，如“2026-10-01 国庆节”或“2026-10-10 上班”。</source>
        <translation>The holiday file cannot be found: %1
Holidays cannot be marked. The file comes with the program; please put it back into the program folder. One day a line, such as &quot;2026-10-01 国庆节&quot; or &quot;2026-10-10 上班&quot;.</translation>
    </message>
    <message>
        <source>
节假日文件未被使用。</source>
        <translation>
The holiday file was not used.</translation>
    </message>
</context>
<context>
    <name>InfoPage</name>
    <message>
        <source>&lt;p style=&quot;margin-top:0&quot;&gt;&lt;b&gt;Tarnby考勤助手&lt;/b&gt;读取考勤机导出的 xls 考勤记录，按员工逐日列出上午、下午的上下班打卡时间，判断迟到、漏打、旷工、加班与休息日加班，结合特殊情况登记和值日安排，统计出一个结算周期的考勤结果。&lt;/p&gt;&lt;p&gt;&lt;b&gt;使用步骤&lt;/b&gt;&lt;/p&gt;&lt;ol style=&quot;margin-left:-20px&quot;&gt;&lt;li&gt;[系统设置] 录入员工编号与姓名，设定上下班时间和考勤记录在表格中的读取位置，分别保存。&lt;/li&gt;&lt;li&gt;[登记值日] 为请假、漏打、处罚等特殊情况登记，并安排值日员工，记得保存。&lt;/li&gt;&lt;li&gt;[考勤统计] 选择起始年月与月结制式（月初制或月中制），在日历上用鼠标左键标记休息日、右键取消，或点击“一键标记”标出周末和节假日；标记随即保存，下次打开仍在。&lt;/li&gt;&lt;li&gt;点击“读取记录”，选择考勤文件所在目录，再点击“读取文件夹数据”读入全部考勤记录。&lt;/li&gt;&lt;li&gt;在员工列表中选择员工，点击“刷新列表”即得当期考勤列表与统计；备注中的*号表示当天有特殊情况登记，点击列表下方的“* * *”可查看详情。&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;&lt;b&gt;小贴士&lt;/b&gt;：设置保存在程序目录的 Init.ini 中，登记、值日与休息日按月保存在 SrDate 目录中；把 1001.jpg、1002.jpg（或 1002.gif）、1003.jpg、1004.jpg 放入程序目录的 Skin 目录即可更换界面图片。&lt;/p&gt;&lt;p&gt;&lt;b&gt;节假日&lt;/b&gt;：“一键标记”所用的节假日安排在程序目录的 Holidays.txt 中，已含 2025、2026 年。每年公布次年的放假安排后，请照其格式添加到该文件末尾：每行一天，如“2027-01-01 元旦”，调休上班的周末写“上班”，以 UTF-8 编码保存。&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;margin-top:0&quot;&gt;&lt;b&gt;Tarnby Attendance&lt;/b&gt; reads the xls attendance records a time clock exports, lists each employee&apos;s morning and afternoon clock-in and clock-out times day by day, finds late arrivals, missed punches, absences, overtime and overtime on rest days, and, together with the special case registrations and the duty roster, works out the attendance of a settlement period.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Steps&lt;/b&gt;&lt;/p&gt;&lt;ol style=&quot;margin-left:-20px&quot;&gt;&lt;li&gt;[Settings] Enter the employee numbers and names, set the working hours and where the records lie in the table, and save each.&lt;/li&gt;&lt;li&gt;[Registrations &amp;amp; duty] Register special cases such as leave, missed punches and penalties, assign the employees on duty, and remember to save.&lt;/li&gt;&lt;li&gt;[Attendance] Choose the starting year and month and the settlement style (month-start or mid-month); in the calendar, left-click to mark a rest day and right-click to unmark it, or click &quot;Mark all&quot; to mark weekends and public holidays. Marks are saved at once and are still there next time.&lt;/li&gt;&lt;li&gt;Click &quot;Read records&quot;, choose the folder of the attendance files, then click &quot;Read folder data&quot; to read all the records.&lt;/li&gt;&lt;li&gt;Choose an employee in the employee list and click &quot;Refresh list&quot; for the period&apos;s attendance list and statistics; a * in the remarks means a special case is registered for that day; click the &quot;* * *&quot; under the list for details.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;&lt;b&gt;Tips&lt;/b&gt;: the settings are kept in Init.ini in the program folder; registrations, duty and rest days are kept by month in the SrDate folder. Put 1001.jpg, 1002.jpg (or 1002.gif), 1003.jpg and 1004.jpg into the Skin folder of the program folder to change the pictures of the window.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Public holidays&lt;/b&gt;: the holidays &quot;Mark all&quot; uses are in Holidays.txt in the program folder, which covers 2025 and 2026. When next year&apos;s holidays are announced, add them to the end of that file in the same format: one day a line, such as &quot;2027-01-01 元旦&quot;; for a weekend worked in lieu write &quot;上班&quot;. Save it as UTF-8.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>程序说明</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Tarnby考勤助手2.0</source>
        <translation>Tarnby Attendance 2.0</translation>
    </message>
    <message>
        <source>语言：</source>
        <translation>Language: </translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>Follow the system</translation>
    </message>
    <message>
        <source>重新启动程序后使用所选语言。</source>
        <translation>The chosen language is used after the program restarts.</translation>
    </message>
    <message>
        <source>无法保存语言选择：程序文件夹不可写入。</source>
        <translation>Cannot save the language choice: the program folder is not writable.</translation>
    </message>
    <message>
        <source>&lt;b&gt;键盘操作&lt;/b&gt;&lt;br&gt;Ctrl+1 … Ctrl+5：切换五个页面&lt;br&gt;Tab / Shift+Tab：在控件间移动&lt;br&gt;Enter 或空格：按下按钮&lt;br&gt;方向键、PageUp/PageDown、Home/End：在日历中移动&lt;br&gt;Shift+PageUp/Down：上一年、下一年&lt;br&gt;Enter：选定日期或标记休息日；空格：标记或取消休息日&lt;br&gt;汇总表中 Enter：查看该员工</source>
        <translation>&lt;b&gt;Keyboard&lt;/b&gt;&lt;br&gt;Ctrl+1 … Ctrl+5: pages&lt;br&gt;Tab, Shift+Tab: next or previous control&lt;br&gt;Enter, Space: press a button&lt;br&gt;Arrows, PageUp/Down, Home/End: move in a calendar&lt;br&gt;Shift+PageUp/Down: previous or next year&lt;br&gt;Enter: pick or mark a day; Space: mark or unmark&lt;br&gt;Enter in the summary: show the employee</translation>
    </message>
    <message>
        <source>键盘操作</source>
        <translation>Keyboard</translation>
    </message>
</context>
<context>
    <name>LundarHost</name>
    <message>
        <source>找不到日期控件 Lundar.Lundar1（应在 %1 中）</source>
        <translation>The date control Lundar.Lundar1 cannot be found (it should be in %1)</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>。<byte value="xd"/>
今日页只显示公历日期，农历与日期选择不可用。</source>
        <translation>. </translation>
    </message>
</context>
<context>
    <name>MessageSeam</name>
    <message>
        <source>重新载入</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>覆盖</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tarnby考勤助手2.0</source>
        <translation>Tarnby Attendance 2.0</translation>
    </message>
</context>
<context>
    <name>MonthFile</name>
    <message>
        <source>请输入有效的年份(1901-2100)！</source>
        <translation>Please enter a valid year (1901-2100)!</translation>
    </message>
    <message>
        <source>请输入正确的月份！</source>
        <translation>Please enter a valid month!</translation>
    </message>
    <message>
        <source>找不到文件夹：%1
该文件夹应与程序放在一起，请恢复后再保存。</source>
        <translation>The folder cannot be found: %1
It belongs beside the program; please restore it, then save again.</translation>
    </message>
</context>
<context>
    <name>PickerEntry</name>
    <message>
        <source>====请选择====</source>
        <translation>====Choose====</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>找不到程序文件夹：%1（由 %2 指定）。</source>
        <translation>The program folder cannot be found: %1 (given by %2).</translation>
    </message>
    <message>
        <source>无法读取默认文件 %1：%2。</source>
        <translation>Cannot read the default file %1: %2.</translation>
    </message>
    <message>
        <source>无法写入 %1：%2。</source>
        <translation>Cannot write %1: %2.</translation>
    </message>
    <message>
        <source>找不到默认的配置文件 %1，无法在 %2 中建立程序文件夹。程序可能没有完整安装。</source>
        <translation>The default configuration file %1 cannot be found, so no program folder can be made in %2. The program may not be installed completely.</translation>
    </message>
    <message>
        <source>无法建立程序文件夹：%1。</source>
        <translation>Cannot create the program folder: %1.</translation>
    </message>
    <message>
        <source>无法在程序文件夹中建立 %1 文件夹：%2。</source>
        <translation>Cannot create the %1 folder in the program folder: %2.</translation>
    </message>
    <message>
        <source>环境变量 TARNBY_HOME</source>
        <translation>the environment variable TARNBY_HOME</translation>
    </message>
    <message>
        <source>找不到用户的数据文件夹，无法建立程序文件夹。请用环境变量 TARNBY_HOME 指定程序文件夹。</source>
        <translation>The user&apos;s data folder cannot be found, so no program folder can be made. Please name the program folder with the environment variable TARNBY_HOME.</translation>
    </message>
    <message>
        <source>由 --home 指定</source>
        <translation>given by --home</translation>
    </message>
    <message>
        <source>由环境变量 TARNBY_HOME 指定</source>
        <translation>given by the environment variable TARNBY_HOME</translation>
    </message>
    <message>
        <source>程序所在的文件夹</source>
        <translation>the program&apos;s own folder</translation>
    </message>
    <message>
        <source>用户的数据文件夹</source>
        <translation>the user&apos;s data folder</translation>
    </message>
    <message>
        <source>程序文件夹：%1（%2）</source>
        <translation>Program folder: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>ReadReport</name>
    <message>
        <source>按数据读取位置读取，每行一条打卡</source>
        <translation>Read by the reading position, one punch a row</translation>
    </message>
    <message>
        <source>考勤机月报表，每人每天的打卡时间在一格中</source>
        <translation>The time clock&apos;s monthly report, each person&apos;s punches of a day in one cell</translation>
    </message>
    <message>
        <source>带表头的考勤表</source>
        <translation>Attendance sheet with a header</translation>
    </message>
    <message>
        <source>考勤机原始记录，无表头</source>
        <translation>The time clock&apos;s raw records, no header</translation>
    </message>
    <message>
        <source>未识别出表格样式，按数据读取位置读取</source>
        <translation>Table layout not recognised; read by the reading position</translation>
    </message>
    <message>
        <source>日期时间在一列，每行一条打卡</source>
        <translation>Date and time in one column, one punch a row</translation>
    </message>
    <message>
        <source>日期列和时间列，每行一条打卡</source>
        <translation>A date column and a time column, one punch a row</translation>
    </message>
    <message>
        <source>日期列和多个打卡时间，每行一人一天</source>
        <translation>A date column and several punch times, one person and day a row</translation>
    </message>
    <message>
        <source>工号为空</source>
        <translation>no employee number</translation>
    </message>
    <message>
        <source>日期早于2000年</source>
        <translation>date before 2000</translation>
    </message>
    <message>
        <source>日期晚于今天一年以上，考勤机时钟可能有误</source>
        <translation>date more than a year after today; the time clock&apos;s clock may be wrong</translation>
    </message>
    <message>
        <source>日期无法识别</source>
        <translation>date not recognised</translation>
    </message>
    <message>
        <source>时间无法识别</source>
        <translation>time not recognised</translation>
    </message>
    <message>
        <source>没有打卡时间</source>
        <translation>no punch time</translation>
    </message>
    <message>
        <source>文件无法打开</source>
        <translation>The file cannot be opened</translation>
    </message>
    <message>
        <source>不是可以读取的考勤文件</source>
        <translation>Not an attendance file that can be read</translation>
    </message>
    <message>
        <source>文件设有打开密码</source>
        <translation>The file has an open password</translation>
    </message>
    <message>
        <source>文件已损坏</source>
        <translation>The file is damaged</translation>
    </message>
    <message>
        <source>文件的版本或大小无法读取</source>
        <translation>The file&apos;s version or size cannot be read</translation>
    </message>
    <message>
        <source>工号</source>
        <translation>Employee No.</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>日期时间</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>日</source>
        <translation>Day</translation>
    </message>
</context>
<context>
    <name>ReadReportView</name>
    <message>
        <source>工号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>读取失败</source>
        <translation>Read failed</translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>第%1行</source>
        <translation>Row %1</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>读取方式</source>
        <translation>Read as</translation>
    </message>
    <message>
        <source>记录数</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>跳过</source>
        <translation>Skipped</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>打卡记录</source>
        <translation>Punch records</translation>
    </message>
    <message>
        <source>姓名可以修改；没有姓名的员工请先填写姓名</source>
        <translation>Names can be changed; please fill in the name of any employee without one</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>将表中的工号和姓名添加到员工编号列表并保存</source>
        <translation>Add the numbers and names in the table to the employee list and save it</translation>
    </message>
    <message>
        <source>添加到员工列表 --&gt;</source>
        <translation>Add to the employee list --&gt;</translation>
    </message>
    <message>
        <source>第%1行不是考勤记录，请检查数据读取位置</source>
        <translation>Row %1 is not an attendance record; please check the reading position</translation>
    </message>
    <message>
        <source>工作表“%1”</source>
        <translation>Worksheet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>考勤期间 %1 至 %2，第%3行为日期</source>
        <translation>Attendance period %1 to %2, dates in row %3</translation>
    </message>
    <message>
        <source>第%1行表头</source>
        <translation>Header in row %1</translation>
    </message>
    <message>
        <source>从第%1行起</source>
        <translation>From row %1</translation>
    </message>
    <message>
        <source>%1 个日期列</source>
        <translation>%1 date columns</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>“%1”第%2行也像是一条打卡记录，但读取从第%3行开始，这一行没有读入；文件如果没有表头，请把数据读取位置改到第%2行。</source>
        <translation>Row %2 of &quot;%1&quot; also looks like a punch record, but reading starts at row %3, so that row was not read; if the file has no header, please move the reading position to row %2.</translation>
    </message>
    <message>
        <source>%1 个文件 %2 条</source>
        <translation>%1 files, %2 records</translation>
    </message>
    <message>
        <source>，识别 %1 个</source>
        <translation>, %1 recognised</translation>
    </message>
    <message>
        <source>，跳过 %1 行</source>
        <translation>, %1 rows skipped</translation>
    </message>
    <message>
        <source>，%1 个工号未登记</source>
        <translation>, %1 employee numbers not registered</translation>
    </message>
    <message>
        <source>另有 %1 行</source>
        <translation>%1 more rows</translation>
    </message>
    <message>
        <source>打卡的工号都已在员工编号列表中。</source>
        <translation>Every employee number that punched is in the employee list.</translation>
    </message>
    <message>
        <source>以下 %1 个工号不在员工编号列表中：</source>
        <translation>These %1 employee numbers are not in the employee list: </translation>
    </message>
    <message>
        <source>没有添加任何员工。</source>
        <translation>No employee was added.</translation>
    </message>
    <message>
        <source>工号“%1”：%2</source>
        <translation>Employee no. &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>工号“%1”的姓名“%2”中有员工编号列表无法保存的字符，请在表中修改后再试。</source>
        <translation>The name &quot;%2&quot; of employee no. &quot;%1&quot; has characters the employee list cannot store; please change it in the table and try again.</translation>
    </message>
    <message>
        <source>已添加 %1 个员工到员工编号列表。</source>
        <translation>%1 employees added to the employee list.</translation>
    </message>
    <message>
        <source>读取报告</source>
        <translation>Read report</translation>
    </message>
    <message>
        <source>读取的文件</source>
        <translation>Files read</translation>
    </message>
    <message>
        <source>工号与打卡记录</source>
        <translation>Employee numbers and punches</translation>
    </message>
    <message>
        <source>%1列</source>
        <translation>column %1</translation>
    </message>
    <message>
        <source>%1列 %2</source>
        <translation>column %1: %2</translation>
    </message>
</context>
<context>
    <name>Registration</name>
    <message>
        <source>应有 5 项，以“##”分隔，实有 %1 项</source>
        <translation>should have 5 fields separated by &quot;##&quot;, has %1</translation>
    </message>
    <message>
        <source>%1中不能含有“##”，它是登记文件的分隔符！</source>
        <translation>%1 must not contain &quot;##&quot;, the separator of the registration file!</translation>
    </message>
    <message>
        <source>%1中不能含有换行！</source>
        <translation>%1 must not contain a line break!</translation>
    </message>
    <message>
        <source>%1中含有无法保存的字符，请删除后再试！</source>
        <translation>%1 holds characters that cannot be saved; please remove them and try again!</translation>
    </message>
    <message>
        <source>登记文件 %1 第 %2 行格式不正确（%3）。</source>
        <translation>Line %2 of the registration file %1 is not in the right format (%3).</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>登记事由</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>处理方式</source>
        <translation>Handling</translation>
    </message>
</context>
<context>
    <name>RegistrationBoxRules</name>
    <message>
        <source>中不能含有“##”，也不能以“#”开头或结尾，“##”是登记文件的分隔符！</source>
        <translation> must not contain &quot;##&quot; nor begin or end with &quot;#&quot;; &quot;##&quot; is the separator of the registration file!</translation>
    </message>
    <message>
        <source>登记事由</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>员工编号</source>
        <translation>Employee number</translation>
    </message>
    <message>
        <source>员工姓名</source>
        <translation>Employee name</translation>
    </message>
</context>
<context>
    <name>RegistrationDutyPage</name>
    <message>
        <source>文件 %1 未能读出，为免覆盖其中原有的内容，本次未保存。请先修正该文件，再重新载入该月。</source>
        <translation>The file %1 could not be read; to avoid overwriting its contents nothing was saved. Please repair the file first, then load the month again.</translation>
    </message>
    <message>
        <source>员工特殊情况登记</source>
        <translation>Special case registration</translation>
    </message>
    <message>
        <source>登记员工：</source>
        <translation>Employee: </translation>
    </message>
    <message>
        <source>登记日期：</source>
        <translation>Date: </translation>
    </message>
    <message>
        <source>月</source>
        <translation>M</translation>
    </message>
    <message>
        <source>日</source>
        <translation>D</translation>
    </message>
    <message>
        <source>登记事由：</source>
        <translation>Reason: </translation>
    </message>
    <message>
        <source>处理方式：</source>
        <translation>Handling: </translation>
    </message>
    <message>
        <source>查看本月变更记录 --&gt;</source>
        <translation>Month&apos;s changes --&gt;</translation>
    </message>
    <message>
        <source>记录</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>1、请选择值日员工</source>
        <translation>1. Employee on duty</translation>
    </message>
    <message>
        <source>2、请选择日期</source>
        <translation>2. Choose the dates</translation>
    </message>
    <message>
        <source>年</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>左键点击日期安排值日，右键点击取消。</source>
        <translation>Left-click a date to assign duty, right-click to cancel.</translation>
    </message>
    <message>
        <source>3、操作完成后请注意保存。</source>
        <translation>3. Save when done.</translation>
    </message>
    <message>
        <source>保存值日安排 --&gt;</source>
        <translation>Save duties --&gt;</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>按月排班次 --&gt;</source>
        <translation>Monthly shifts --&gt;</translation>
    </message>
    <message>
        <source>排班表</source>
        <translation>Roster</translation>
    </message>
    <message>
        <source>每月的班次排班：白班、夜班、轮换与休息</source>
        <translation>Monthly shift roster: day shifts, night shifts, rotations and rest</translation>
    </message>
    <message>
        <source>添加到登记列表 --&gt;</source>
        <translation>Add to the list --&gt;</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删除已勾选的登记 --&gt;</source>
        <translation>Delete ticked --&gt;</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>保存本月登记信息 --&gt;</source>
        <translation>Save the month --&gt;</translation>
    </message>
    <message>
        <source>载入值日月份</source>
        <translation>Load the duty month</translation>
    </message>
    <message>
        <source>按“%1”排序</source>
        <translation>Sort by %1</translation>
    </message>
    <message>
        <source>当前按此列升序排列</source>
        <translation>sorted by this column, ascending</translation>
    </message>
    <message>
        <source>当前按此列降序排列</source>
        <translation>sorted by this column, descending</translation>
    </message>
</context>
<context>
    <name>RegistrationList</name>
    <message>
        <source>编号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>登记事由</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>处理方式</source>
        <translation>Handling</translation>
    </message>
    <message>
        <source>登记员工“%1”中没有编号与姓名之间的空格，请重新选择员工！</source>
        <translation>The registered employee &quot;%1&quot; has no space between number and name; please choose the employee again!</translation>
    </message>
    <message>
        <source>员工编号</source>
        <translation>Employee number</translation>
    </message>
    <message>
        <source>登记日期</source>
        <translation>Registration date</translation>
    </message>
    <message>
        <source>员工姓名</source>
        <translation>Employee name</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>无法写入文件“%1”：%2。原有文件保持不变。</source>
        <translation>Cannot write the file “%1”: %2. The existing file is unchanged.</translation>
    </message>
    <message>
        <source>文件夹“%1”不存在</source>
        <translation>the folder “%1” does not exist</translation>
    </message>
    <message>
        <source>已有同名的文件夹</source>
        <translation>a folder of that name exists</translation>
    </message>
    <message>
        <source>原文件是只读的</source>
        <translation>the existing file is read-only</translation>
    </message>
    <message>
        <source>文件正被其他程序打开，请先关闭它</source>
        <translation>another program has the file open; close it first</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>文件超出了允许的大小</source>
        <translation>the file exceeds the allowed size</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>no write permission</translation>
    </message>
    <message>
        <source>磁盘是只读的</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>磁盘读写出错</source>
        <translation>disk read or write error</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>写入出错</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>无法在文件夹中新建文件（%1）</source>
        <translation>cannot create a file in the folder (%1)</translation>
    </message>
</context>
<context>
    <name>ReportGrid</name>
    <message>
        <source>正常</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>迟到</source>
        <translation>late</translation>
    </message>
    <message>
        <source>早退</source>
        <translation>early leave</translation>
    </message>
    <message>
        <source>漏打</source>
        <translation>missed punch</translation>
    </message>
    <message>
        <source>病假</source>
        <translation>sick leave</translation>
    </message>
    <message>
        <source>事假</source>
        <translation>personal leave</translation>
    </message>
    <message>
        <source>旷工</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>休息日</source>
        <translation>rest days</translation>
    </message>
    <message>
        <source>加班</source>
        <translation>Overtime</translation>
    </message>
    <message>
        <source>值日</source>
        <translation>duty</translation>
    </message>
    <message>
        <source>图例：%1。灰底为周末和节假日；行末为各符号的天数。</source>
        <translation>Key: %1. Grey: weekends and public holidays; the end of each row counts the days of each symbol.</translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <translation>  </translation>
    </message>
    <message>
        <source>考勤表  %1  %2  时间%3</source>
        <translation>Attendance sheet  %1  %2  %3</translation>
    </message>
    <message>
        <source>＿＿＿＿＿＿</source>
        <translation>______</translation>
    </message>
    <message>
        <source>制表人：%1&#x3000;&#x3000;&#x3000;&#x3000;审核人：%2</source>
        <translation>Prepared by: %1        Checked by: %2</translation>
    </message>
</context>
<context>
    <name>ReportModel</name>
    <message>
        <source>%1年%2月%3日</source>
        <translation>%2/%3/%1</translation>
    </message>
    <message>
        <source>月初制</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>月中制</source>
        <translation>Mid</translation>
    </message>
    <message>
        <source>模式二（朝九晚五）</source>
        <translation>mode 2 (nine to five)</translation>
    </message>
    <message>
        <source>模式一（行政班制）</source>
        <translation>mode 1 (office hours)</translation>
    </message>
    <message>
        <source>考勤汇总  %1  %2  时间%3</source>
        <translation>Attendance summary  %1  %2  %3</translation>
    </message>
    <message>
        <source>无</source>
        <comment>no rest days</comment>
        <translation>none</translation>
    </message>
    <message>
        <source>MM月dd日</source>
        <translation>MM/dd</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>员工</source>
        <translation>Employee</translation>
    </message>
    <message>
        <source>(天)</source>
        <translation> (days)</translation>
    </message>
    <message>
        <source>罚款(元)</source>
        <translation>Fines (yuan)</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>星期</source>
        <translation>Weekday </translation>
    </message>
    <message>
        <source>A上班</source>
        <translation>AM in</translation>
    </message>
    <message>
        <source>A下班</source>
        <translation>AM out</translation>
    </message>
    <message>
        <source>P上班</source>
        <translation>PM in</translation>
    </message>
    <message>
        <source>P下班</source>
        <translation>PM out</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>登记事由</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>处理方式</source>
        <translation>Handling</translation>
    </message>
    <message>
        <source>有</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>无</source>
        <translation>no</translation>
    </message>
    <message>
        <source>结算期</source>
        <translation>settlement period</translation>
    </message>
    <message>
        <source>月结制式</source>
        <translation>settlement style</translation>
    </message>
    <message>
        <source>时间模式</source>
        <translation>Time mode</translation>
    </message>
    <message>
        <source>休息日</source>
        <translation>rest days</translation>
    </message>
    <message>
        <source>数据目录</source>
        <translation>Data folder</translation>
    </message>
    <message>
        <source>制表时间</source>
        <translation>Made at</translation>
    </message>
    <message>
        <source>程序版本</source>
        <translation>Program version</translation>
    </message>
    <message>
        <source>员工人数</source>
        <translation>Employees</translation>
    </message>
    <message>
        <source>罚款合计(元)</source>
        <translation>Fines in total (yuan)</translation>
    </message>
    <message>
        <source>罚款金额无法识别，未计入合计</source>
        <translation>Fine amount not recognised, not counted in the total</translation>
    </message>
</context>
<context>
    <name>ReportPayroll</name>
    <message>
        <source>部门</source>
        <translation>Department</translation>
    </message>
    <message>
        <source>迟到(分钟)</source>
        <translation>Late (minutes)</translation>
    </message>
    <message>
        <source>早退(次)</source>
        <translation>Early leave (times)</translation>
    </message>
    <message>
        <source>早退(分钟)</source>
        <translation>Early leave (minutes)</translation>
    </message>
    <message>
        <source>加班平日(小时)</source>
        <translation>Overtime, working days (hours)</translation>
    </message>
    <message>
        <source>加班休息日(小时)</source>
        <translation>Overtime, rest days (hours)</translation>
    </message>
    <message>
        <source>加班节假日(小时)</source>
        <translation>Overtime, holidays (hours)</translation>
    </message>
    <message>
        <source>%1 小计（%2人）</source>
        <translation>%1 subtotal (%2 people)</translation>
    </message>
    <message>
        <source>合计（%1人）</source>
        <translation>Total (%1 people)</translation>
    </message>
    <message>
        <source>%1人</source>
        <translation>%1 people</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>迟到(分钟)</source>
        <translation>Late (minutes)</translation>
    </message>
    <message>
        <source>早退(次)</source>
        <translation>Early leave (times)</translation>
    </message>
    <message>
        <source>早退(分钟)</source>
        <translation>Early leave (minutes)</translation>
    </message>
    <message>
        <source>加班平日(小时)</source>
        <translation>Overtime, working days (hours)</translation>
    </message>
    <message>
        <source>加班休息日(小时)</source>
        <translation>Overtime, rest days (hours)</translation>
    </message>
    <message>
        <source>加班节假日(小时)</source>
        <translation>Overtime, holidays (hours)</translation>
    </message>
    <message>
        <source>考勤月报  </source>
        <translation>Monthly attendance report  </translation>
    </message>
    <message>
        <source>  时间</source>
        <translation>  </translation>
    </message>
    <message>
        <source>第 %1 页，共 %2 页</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>考勤汇总</source>
        <translation>Attendance summary</translation>
    </message>
    <message>
        <source>结算期：%1    月结制式：%2    时间模式：%3</source>
        <translation>Settlement period: %1    Settlement style: %2    Time mode: %3</translation>
    </message>
    <message>
        <source>休息日：%1</source>
        <translation>Rest days: %1</translation>
    </message>
    <message>
        <source>员工 %1 人，罚款合计 %2 元    制表时间：%3    程序版本：%4</source>
        <translation>%1 employees, fines in total %2 yuan    Made at: %3    Program version: %4</translation>
    </message>
    <message>
        <source>    另有 %1 处罚款金额无法识别，未计入合计</source>
        <translation>    %1 more fine amounts could not be recognised and are not counted in the total</translation>
    </message>
    <message>
        <source>此结算期内没有员工的考勤记录。</source>
        <translation>No employee has attendance records in this settlement period.</translation>
    </message>
    <message>
        <source>员工</source>
        <translation>Employee</translation>
    </message>
    <message>
        <source>部门</source>
        <translation>Department</translation>
    </message>
    <message>
        <source>（续）</source>
        <translation> (continued)</translation>
    </message>
    <message>
        <source>部门：</source>
        <translation>Department: </translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>星期</source>
        <translation>Weekday </translation>
    </message>
    <message>
        <source>班次</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>A上班</source>
        <translation>AM in</translation>
    </message>
    <message>
        <source>A下班</source>
        <translation>AM out</translation>
    </message>
    <message>
        <source>P上班</source>
        <translation>PM in</translation>
    </message>
    <message>
        <source>P下班</source>
        <translation>PM out</translation>
    </message>
    <message>
        <source>迟到
(分)</source>
        <translation>Late
(min)</translation>
    </message>
    <message>
        <source>早退
(分)</source>
        <translation>Early
(min)</translation>
    </message>
    <message>
        <source>加班
(分)</source>
        <translation>Overtime
(min)</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>休</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>罚款合计：%1 元</source>
        <translation>Fines in total: %1 yuan</translation>
    </message>
    <message>
        <source>登记明细</source>
        <translation>Registrations</translation>
    </message>
    <message>
        <source>本结算期没有登记。</source>
        <translation>No registrations in this settlement period.</translation>
    </message>
    <message>
        <source>员工签字：＿＿＿＿＿＿＿＿＿＿&#x3000;&#x3000;&#x3000;日期：＿＿＿＿年＿＿月＿＿日</source>
        <translation>Employee&apos;s signature: __________      Date: ____/____/____</translation>
    </message>
    <message>
        <source>程序没有图形环境，无法生成 PDF</source>
        <translation>The program has no graphical environment and cannot make a PDF</translation>
    </message>
</context>
<context>
    <name>ReportSigners</name>
    <message>
        <source>文件 %1 第%2行无法识别，应为“制表人”或“审核人”、制表符和姓名。</source>
        <translation>Line %2 of the file %1 cannot be read: it should be “制表人” or “审核人”, a tab and a name.</translation>
    </message>
    <message>
        <source>姓名不能包含换行或控制字符。</source>
        <translation>A name cannot contain line breaks or control characters.</translation>
    </message>
    <message>
        <source>姓名最多 %1 个字。</source>
        <translation>A name has at most %1 characters.</translation>
    </message>
</context>
<context>
    <name>ReportWriters</name>
    <message>
        <source>报表文件名须以 .xlsx、.csv 或 .pdf 结尾：%1</source>
        <translation>The report file name must end in .xlsx, .csv or .pdf: %1</translation>
    </message>
    <message>
        <source>未知的报表格式。</source>
        <translation>Unknown report format.</translation>
    </message>
</context>
<context>
    <name>ReportXlsx</name>
    <message>
        <source>汇总</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>明细</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>登记</source>
        <translation>Registrations</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>考勤表</source>
        <translation>Attendance</translation>
    </message>
    <message>
        <source>General&quot;天&quot;</source>
        <translation>General&quot; d&quot;</translation>
    </message>
    <message>
        <source>mm&quot;月&quot;dd&quot;日&quot;</source>
        <translation>mm&quot;/&quot;dd</translation>
    </message>
    <message>
        <source>0&quot;人&quot;</source>
        <translation>0&quot; staff&quot;</translation>
    </message>
    <message>
        <source>&amp;R第 &amp;P 页，共 &amp;N 页</source>
        <translation>&amp;RPage &amp;P of &amp;N</translation>
    </message>
    <message>
        <source>迟到、漏打与旷工</source>
        <translation>Lateness, missed punches and absence</translation>
    </message>
    <message>
        <source>员工</source>
        <translation>Employee</translation>
    </message>
    <message>
        <source>部门</source>
        <translation>Department</translation>
    </message>
    <message>
        <source>表格写入出错（%1）</source>
        <translation>the workbook could not be written (%1)</translation>
    </message>
</context>
<context>
    <name>RestDayControls</name>
    <message>
        <source>调休上班</source>
        <translation>Working day in lieu</translation>
    </message>
    <message>
        <source>一键标记</source>
        <translation>Mark all</translation>
    </message>
    <message>
        <source>把本期日历上的星期六、星期日和节假日都标记为休息，调休上班日不标记，并立即保存；已标记的其他日子保留。
节假日取自程序文件夹中的 %1。
以后各年的安排请照样添加到该文件末尾：每行一天，如“2027-01-01 元旦”，调休上班的周末写“上班”。</source>
        <translation>Mark the Saturdays, Sundays and public holidays of this period&apos;s calendar as rest days, except working days in lieu, and save at once; other marked days are kept.
The holidays come from %1 in the program folder.
Add later years to the end of that file in the same way: one day a line, such as &quot;2027-01-01 New Year&apos;s Day&quot;; for a weekend worked in lieu write &quot;上班&quot;.</translation>
    </message>
    <message>
        <source>清除标记</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>清除本期日历上的全部休息日标记，并立即保存。</source>
        <translation>Clear every rest day mark of this period&apos;s calendar and save at once.</translation>
    </message>
    <message>
        <source>请先选择结算的起始年份和月份！</source>
        <translation>Please choose the starting year and month of the settlement first!</translation>
    </message>
    <message>
        <source>节假日文件中没有%1年的安排，只标记了星期六和星期日。
请把%1年的节假日和调休上班日添加到 %2（每行一天，如“%1-01-01 元旦”，调休上班的周末写“上班”），再点击“一键标记”。</source>
        <translation>The holiday file has no schedule for %1, so only Saturdays and Sundays were marked.
Please add the holidays and working days in lieu of %1 to %2 (one day a line, such as &quot;%1-01-01 New Year&apos;s Day&quot;; for a weekend worked in lieu write &quot;上班&quot;), then click &quot;Mark all&quot;.</translation>
    </message>
    <message>
        <source>确定清除本期（%1）的全部休息日标记吗？</source>
        <translation>Clear every rest day mark of this period (%1)?</translation>
    </message>
</context>
<context>
    <name>RestMarks</name>
    <message>
        <source>
休息日未保存。</source>
        <translation>
The rest days were not saved.</translation>
    </message>
    <message>
        <source>
该文件中的休息日未被使用。</source>
        <translation>
The rest days in that file were not used.</translation>
    </message>
    <message>
        <source>休息日文件 %1 第%2行不是%3年%4月的日期（yyyy-mm-dd）：%5</source>
        <translation>Line %2 of the rest day file %1 is not a date of %4/%3 (yyyy-mm-dd): %5</translation>
    </message>
    <message>
        <source>无效的休息日日期。</source>
        <translation>Invalid rest day date.</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <source>周日</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>周一</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>周二</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>周三</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>周四</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>周五</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>周六</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>值日</source>
        <translation>Duty</translation>
    </message>
    <message>
        <source>迟到</source>
        <translation>Late</translation>
    </message>
    <message>
        <source>早退</source>
        <translation>Early</translation>
    </message>
    <message>
        <source>漏打</source>
        <translation>Missed</translation>
    </message>
    <message>
        <source>病假</source>
        <translation>Sick</translation>
    </message>
    <message>
        <source>事假</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>旷工</source>
        <translation>Absent</translation>
    </message>
    <message>
        <source>加班</source>
        <translation>Overtime</translation>
    </message>
    <message>
        <source>有</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>无</source>
        <translation>No</translation>
    </message>
    <message>
        <source>值日迟到10分钟内</source>
        <translation>Duty late ≤10 min</translation>
    </message>
    <message>
        <source>值日迟到30分钟内</source>
        <translation>Duty late ≤30 min</translation>
    </message>
    <message>
        <source>上班迟到10分钟内</source>
        <translation>Late ≤10 min</translation>
    </message>
    <message>
        <source>上班迟到30分钟内</source>
        <translation>Late ≤30 min</translation>
    </message>
    <message>
        <source>上班迟到60分钟内</source>
        <translation>Late ≤60 min</translation>
    </message>
    <message>
        <source>加班一档</source>
        <translation>Overtime tier 1</translation>
    </message>
    <message>
        <source>加班二档</source>
        <translation>Overtime tier 2</translation>
    </message>
    <message>
        <source>休息日</source>
        <translation>Rest days</translation>
    </message>
    <message>
        <source>全勤</source>
        <translation>Full attendance</translation>
    </message>
    <message>
        <source>罚款</source>
        <translation>Fine </translation>
    </message>
    <message>
        <source>%1天</source>
        <translation>%1 d</translation>
    </message>
    <message>
        <source>%1月%2日</source>
        <translation>%1/%2</translation>
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
        <translation>The file %1 was changed by another program after this window loaded it.
Compared with the file as it is now, what this window would save has %2 more lines and %3 fewer lines.

Reload: discard this window&apos;s unsaved changes and show the file as it is now;
Overwrite: save this window&apos;s content; the file&apos;s current content is kept in the change log;
Cancel: do not save.</translation>
    </message>
    <message>
        <source>已重新载入 %1。
本窗口未保存的内容与文件现在的内容不同之处（+ 为本窗口有而文件中没有的行，- 为文件中有而本窗口没有的行）：
</source>
        <translation>%1 has been reloaded.
Where this window&apos;s unsaved content differs from the file as it is now (+ lines only in this window, - lines only in the file):
</translation>
    </message>
    <message>
        <source>
……另有 %1 行，见详细信息。</source>
        <translation>
… %1 more lines, see the details.</translation>
    </message>
    <message>
        <source>文件已被修改</source>
        <translation>File changed</translation>
    </message>
</context>
<context>
    <name>Schedules</name>
    <message>
        <source>A上班</source>
        <translation>AM in</translation>
    </message>
    <message>
        <source>A下班</source>
        <translation>AM out</translation>
    </message>
    <message>
        <source>P上班</source>
        <translation>PM in</translation>
    </message>
    <message>
        <source>P下班</source>
        <translation>PM out</translation>
    </message>
    <message>
        <source>周一</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>周二</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>周三</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>周四</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>周五</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>周六</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>周日</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>%1 应为 %2 到 %3 之间的整数（分钟）</source>
        <translation>%1 should be a whole number from %2 to %3 (minutes)</translation>
    </message>
    <message>
        <source>第%1个班次</source>
        <translation>shift %1</translation>
    </message>
    <message>
        <source>第%1个班次“%2”</source>
        <translation>shift %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>第%1个员工</source>
        <translation>employee %1</translation>
    </message>
    <message>
        <source>第%1个员工（%2）</source>
        <translation>employee %1 (%2)</translation>
    </message>
    <message>
        <source>%1 时段（%2 以后）</source>
        <translation>%1 window (after %2)</translation>
    </message>
    <message>
        <source>%1 时段（%2–%3）</source>
        <translation>%1 window (%2–%3)</translation>
    </message>
    <message>
        <source>对象缺少结尾的 }</source>
        <translation>an object lacks its closing }</translation>
    </message>
    <message>
        <source>键名后缺少冒号</source>
        <translation>a name lacks its colon</translation>
    </message>
    <message>
        <source>数组缺少结尾的 ]</source>
        <translation>an array lacks its closing ]</translation>
    </message>
    <message>
        <source>两项之间缺少逗号</source>
        <translation>a comma is missing between two items</translation>
    </message>
    <message>
        <source>无法识别的值（文字要加双引号）</source>
        <translation>a value is not recognised (text needs double quotes)</translation>
    </message>
    <message>
        <source>数字的写法不对</source>
        <translation>a number is written wrongly</translation>
    </message>
    <message>
        <source>文字中 \ 的用法不对</source>
        <translation>a \ in a text is used wrongly</translation>
    </message>
    <message>
        <source>文字不是 UTF-8 编码（请用 UTF-8 编码另存）</source>
        <translation>the text is not UTF-8 (please save it again as UTF-8)</translation>
    </message>
    <message>
        <source>文字缺少结尾的双引号</source>
        <translation>a text lacks its closing double quote</translation>
    </message>
    <message>
        <source>应是一个 { … } 对象</source>
        <translation>should be a { … } object</translation>
    </message>
    <message>
        <source>结尾处有多余的内容</source>
        <translation>there is more content after the end</translation>
    </message>
    <message>
        <source>缺少文字的 name（班次名）</source>
        <translation>lacks name (the shift name) as text</translation>
    </message>
    <message>
        <source>short 应是一个字</source>
        <translation>short should be one character</translation>
    </message>
    <message>
        <source>缺少 times（上下班时间的数组）</source>
        <translation>lacks times (the array of working times)</translation>
    </message>
    <message>
        <source>overtime 应是加班时间的数组</source>
        <translation>overtime should be an array of overtime times</translation>
    </message>
    <message>
        <source>dayStart 应是 HH:MM 形式的时间</source>
        <translation>dayStart should be a time as HH:MM</translation>
    </message>
    <message>
        <source>（现为 %1）</source>
        <translation> (now %1)</translation>
    </message>
    <message>
        <source>缺少文字的 number（员工编号）</source>
        <translation>lacks number (the employee number) as text</translation>
    </message>
    <message>
        <source>week 应有 7 项（周一到周日），每项是班次名或“休”</source>
        <translation>week should have 7 items (Monday to Sunday), each a shift name or &quot;休&quot;</translation>
    </message>
    <message>
        <source>week 第%1项（%2）应是班次名或“休”</source>
        <translation>week item %1 (%2) should be a shift name or &quot;休&quot;</translation>
    </message>
    <message>
        <source>department 应是文字（部门名）</source>
        <translation>department should be a text (the department name)</translation>
    </message>
    <message>
        <source>%1 的第%2个时间 %3 不是 HH:MM 形式的时间</source>
        <translation>time %2 of %1, %3, is not a time as HH:MM</translation>
    </message>
    <message>
        <source>班次文件 %1 有误：%2</source>
        <translation>The shift file %1 is wrong: %2</translation>
    </message>
    <message>
        <source>前日</source>
        <translation>day before </translation>
    </message>
    <message>
        <source>次日</source>
        <translation>next day</translation>
    </message>
    <message>
        <source>name 应是 1 到 %1 个字的班次名</source>
        <translation>name should be a shift name of 1 to %1 characters</translation>
    </message>
    <message>
        <source>班次不能叫“休”：“休”表示休息日</source>
        <translation>A shift cannot be called &quot;休&quot;: &quot;休&quot; means a rest day</translation>
    </message>
    <message>
        <source>“%1”是时间模式的内置班次，不能再用作班次名</source>
        <translation>&quot;%1&quot; is a built-in shift of the time modes and cannot be used as a shift name</translation>
    </message>
    <message>
        <source>short 应是一个字（现为“%1”）</source>
        <translation>short should be one character (now &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>times 应有 2 个（上班、下班）或 4 个（上班1、下班1、上班2、下班2）时间，现有 %1 个</source>
        <translation>times should hold 2 times (start, end) or 4 (start 1, end 1, start 2, end 2); it holds %1</translation>
    </message>
    <message>
        <source>overtime 最多 2 个时间（加班一档、二档）</source>
        <translation>overtime holds at most 2 times (overtime tiers 1 and 2)</translation>
    </message>
    <message>
        <source>只有上班、下班的班次，overtime 最多 1 个时间</source>
        <translation>a shift with only a start and an end has at most 1 overtime time</translation>
    </message>
    <message>
        <source>时间应在 00:00 到 23:59 之间</source>
        <translation>times should lie between 00:00 and 23:59</translation>
    </message>
    <message>
        <source>dayStart 应在 00:00 到 23:59 之间</source>
        <translation>dayStart should lie between 00:00 and 23:59</translation>
    </message>
    <message>
        <source>时间倒回了不止一次：按上班、下班、加班的顺序，只有跨过午夜时一个时间才能早于它前面的时间</source>
        <translation>the times go back more than once: in the order start, end, overtime, a time may be earlier than the one before it only across midnight</translation>
    </message>
    <message>
        <source>这个班次的工作日从 dayStart %1 起 24 小时</source>
        <translation>this shift&apos;s working day runs 24 hours from dayStart %1</translation>
    </message>
    <message>
        <source>%1超出了工作日（%2）</source>
        <translation>%1 lies outside the working day (%2)</translation>
    </message>
    <message>
        <source>加班时间 %1 超出了工作日（%2）</source>
        <translation>the overtime time %1 lies outside the working day (%2)</translation>
    </message>
    <message>
        <source>%1与 %2重叠</source>
        <translation>%1 overlaps %2</translation>
    </message>
    <message>
        <source>第%1个班次与第%2个班次同名（“%3”）</source>
        <translation>shift %1 and shift %2 have the same name (&quot;%3&quot;)</translation>
    </message>
    <message>
        <source>：number（员工编号）不能为空</source>
        <translation>: number (the employee number) must not be empty</translation>
    </message>
    <message>
        <source>第%1个员工与第%2个员工是同一个编号（%3）</source>
        <translation>employee %1 and employee %2 have the same number (%3)</translation>
    </message>
    <message>
        <source>：week 第%1项（%2）“%3”不是已有的班次，也不是“休”</source>
        <translation>: week item %1 (%2) &quot;%3&quot; is neither an existing shift nor &quot;休&quot;</translation>
    </message>
    <message>
        <source>不是有效的 JSON：第%1行附近，%2</source>
        <translation>not valid JSON: near line %1, %2</translation>
    </message>
    <message>
        <source>整个文件应是一个 { … } 对象</source>
        <translation>the whole file should be a { … } object</translation>
    </message>
    <message>
        <source>本程序只认识版本 %1（现为 %2），该文件可能由较新的程序保存</source>
        <translation>this program knows only version %1 (the file has %2); it may have been saved by a newer program</translation>
    </message>
    <message>
        <source>应是一个 [ … ] 数组</source>
        <translation>should be a [ … ] array</translation>
    </message>
    <message>
        <source>班次设置未保存：%1</source>
        <translation>Shift settings not saved: %1</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>考勤系统相关操作设置</source>
        <translation>Attendance system settings</translation>
    </message>
    <message>
        <source>员工编号列表</source>
        <translation>Employee list</translation>
    </message>
    <message>
        <source>编号：</source>
        <translation>No.: </translation>
    </message>
    <message>
        <source>姓名：</source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>上下班时间设定</source>
        <translation>Working hours</translation>
    </message>
    <message>
        <source>点</source>
        <translation>h</translation>
    </message>
    <message>
        <source>分</source>
        <translation>m</translation>
    </message>
    <message>
        <source>时间模式</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>将以上时间 --&gt;</source>
        <translation>Save times --&gt;</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>早晚班、夜班 --&gt;</source>
        <translation>Other shifts --&gt;</translation>
    </message>
    <message>
        <source>班次设置</source>
        <translation>Shifts</translation>
    </message>
    <message>
        <source>班次、周排班与部门：按班次考勤时使用</source>
        <translation>Shifts, week patterns and departments: used when attendance is judged by shift</translation>
    </message>
    <message>
        <source>指定考勤记录读取位置</source>
        <translation>Where records are read</translation>
    </message>
    <message>
        <source>编号起始单元格名称：</source>
        <translation>Number cell: </translation>
    </message>
    <message>
        <source>时间起始单元格名称：</source>
        <translation>Time cell: </translation>
    </message>
    <message>
        <source>将读取位置 --&gt;</source>
        <translation>Save cells --&gt;</translation>
    </message>
    <message>
        <source>自动识别</source>
        <translation>Detect</translation>
    </message>
    <message>
        <source>选择考勤机导出的文件，查看程序如何读取它</source>
        <translation>Choose a file exported by the time clock and see how the program reads it</translation>
    </message>
    <message>
        <source>上午</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>上班</source>
        <translation>In</translation>
    </message>
    <message>
        <source>下班</source>
        <translation>Out</translation>
    </message>
    <message>
        <source>下午</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>晚上</source>
        <translation>Eve</translation>
    </message>
    <message>
        <source>加班</source>
        <translation>OT</translation>
    </message>
    <message>
        <source>全天</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>添加信息到列表 --&gt;</source>
        <translation>Add to the list --&gt;</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>将列表中选定项 --&gt;</source>
        <translation>Selected entries --&gt;</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>将列表内信息 --&gt;</source>
        <translation>The list --&gt;</translation>
    </message>
    <message>
        <source>有效打卡时间：</source>
        <translation>Valid punch times: </translation>
    </message>
    <message>
        <source>上午上班前60分钟以内</source>
        <translation>Up to 60 minutes before the morning start</translation>
    </message>
    <message>
        <source>上午下班后30分钟以内</source>
        <translation>Up to 30 minutes after the morning end</translation>
    </message>
    <message>
        <source>下午上班前30分钟以内</source>
        <translation>Up to 30 minutes before the afternoon start</translation>
    </message>
    <message>
        <source>其它时间打卡均视为非正常打卡(如迟到、早退等)或无效打卡(不进行考勤统计)！</source>
        <translation>Punches at any other time count as irregular (such as late or early) or invalid (not counted)!</translation>
    </message>
    <message>
        <source>相关说明：</source>
        <translation>Notes: </translation>
    </message>
    <message>
        <source>一、员工编号</source>
        <translation>1. Employee numbers</translation>
    </message>
    <message>
        <source>编号为考勤机中设定的员工编号。</source>
        <translation>The employee&apos;s number in the time clock.</translation>
    </message>
    <message>
        <source>二、工作时间</source>
        <translation>2. Working hours</translation>
    </message>
    <message>
        <source>时间模式1或2，实际用到哪种模式就设置哪种。</source>
        <translation>Time mode 1 or 2: set the mode you actually use.</translation>
    </message>
    <message>
        <source>三、数据读取</source>
        <translation>3. Reading the data</translation>
    </message>
    <message>
        <source>每行一条打卡记录（如下图）时，填写编号和日期时间的起始单元格，如D列第2行为D2。</source>
        <translation>One punch a row (below): enter the first number and date-time cells, e.g. D2.</translation>
    </message>
    <message>
        <source>可读取xls、xlsx、xlsm、csv、dat文件；考勤机的月报表、带表头的考勤表和无表头的原始记录都能自动识别，点“自动识别”可查看文件如何读取。</source>
        <translation>Reads xls, xlsx, xlsm, csv and dat; other layouts are recognised: see &quot;Detect&quot;.</translation>
    </message>
    <message>
        <source>四、所有操作请记得保存</source>
        <translation>4. Save every change</translation>
    </message>
</context>
<context>
    <name>SettlementCalendar</name>
    <message>
        <source>%1月%2日</source>
        <translation>%2/%1</translation>
    </message>
    <message>
        <source>%1年%2月</source>
        <translation>%2/%1</translation>
    </message>
    <message>
        <source>（无效日期）</source>
        <translation>(invalid date)</translation>
    </message>
    <message>
        <source>尚未选择结算月份，无法将 %1 设为休息日！</source>
        <translation>No settlement month chosen yet, so %1 cannot be made a rest day!</translation>
    </message>
    <message>
        <source>%1 不在可设置的结算期（%2）内，无法设为休息日！</source>
        <translation>%1 is not in the settlement period that can be set (%2), so it cannot be made a rest day!</translation>
    </message>
</context>
<context>
    <name>ShiftChecks</name>
    <message>
        <source>已有名为“%1”的班次</source>
        <translation>There is already a shift named &quot;%1&quot;</translation>
    </message>
    <message>
        <source>简称不能是“休”：排班表中“休”表示休息日</source>
        <translation>The short name cannot be &quot;休&quot;: in the roster &quot;休&quot; means a rest day</translation>
    </message>
    <message>
        <source>超出了工作日</source>
        <translation>outside the working day</translation>
    </message>
    <message>
        <source>。跨过午夜的班次，请把“工作日起点”设在上班之前，例如 12:00</source>
        <translation>. For a shift across midnight, set &quot;Start of the working day&quot; before the start, e.g. 12:00</translation>
    </message>
    <message>
        <source>简称“%1”已是班次“%2”的简称，排班表中会分不清，请另选一个字</source>
        <translation>The short name &quot;%1&quot; already belongs to the shift &quot;%2&quot;; the roster could not tell them apart. Please choose another character</translation>
    </message>
</context>
<context>
    <name>ShiftColours</name>
    <message>
        <source>一</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>二</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>%1–%2、%3–%4</source>
        <translation>%1–%2, %3–%4</translation>
    </message>
</context>
<context>
    <name>ShiftEditorDialog</name>
    <message>
        <source>班次设置</source>
        <translation>Shifts</translation>
    </message>
    <message>
        <source>检查结果</source>
        <translation>Check result</translation>
    </message>
    <message>
        <source>周排班与部门(&amp;W)…</source>
        <translation>&amp;Week patterns and departments…</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>“模式一”“模式二”是内置班次（时间见“上下班时间设定”），也可用于周排班和排班表。</source>
        <translation>&quot;模式一&quot; and &quot;模式二&quot; are built-in shifts (times under &quot;Working hours&quot;); they can also be used in week patterns and the shift roster.</translation>
    </message>
    <message>
        <source>24 小时时间轴（绿色：上班卡时段，蓝色：下班卡时段，深蓝：上班时间）</source>
        <translation>24-hour timeline (green: clock-in window, blue: clock-out window, dark blue: working time)</translation>
    </message>
    <message>
        <source>班次</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>班次列表</source>
        <translation>Shift list</translation>
    </message>
    <message>
        <source>添加(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>改名(&amp;R)</source>
        <translation>&amp;Rename</translation>
    </message>
    <message>
        <source>删除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>名称与时间</source>
        <translation>Name and times</translation>
    </message>
    <message>
        <source>班次名称</source>
        <translation>Shift name</translation>
    </message>
    <message>
        <source>1 到 8 个字，不能是“休”“模式一”“模式二”；按回车或离开该框后生效</source>
        <translation>1 to 8 characters, not &quot;休&quot;, &quot;模式一&quot; or &quot;模式二&quot;; takes effect on Enter or when leaving the box</translation>
    </message>
    <message>
        <source>名称(&amp;N)：</source>
        <translation>&amp;Name: </translation>
    </message>
    <message>
        <source>简称</source>
        <translation>Short name</translation>
    </message>
    <message>
        <source>名称首字</source>
        <translation>First character of the name</translation>
    </message>
    <message>
        <source>排班表格子中显示的一个字；不填则用名称的第一个字</source>
        <translation>The one character shown in the roster&apos;s cells; if empty, the first character of the name</translation>
    </message>
    <message>
        <source>简称：</source>
        <translation>Short name: </translation>
    </message>
    <message>
        <source>班次类型</source>
        <translation>Shift type</translation>
    </message>
    <message>
        <source>两段（中间休息）</source>
        <translation>Two blocks (break in between)</translation>
    </message>
    <message>
        <source>一段（上班、下班）</source>
        <translation>One block (start, end)</translation>
    </message>
    <message>
        <source>类型：</source>
        <translation>Type: </translation>
    </message>
    <message>
        <source>工作日起点</source>
        <translation>Start of the working day</translation>
    </message>
    <message>
        <source>一个工作日从这一时刻起算 24 小时；跨午夜的夜班请设在上班之前，例如 12:00</source>
        <translation>A working day runs 24 hours from this time; for a night shift across midnight set it before the start, e.g. 12:00</translation>
    </message>
    <message>
        <source>工作日起点：</source>
        <translation>Working day starts: </translation>
    </message>
    <message>
        <source>加班一档</source>
        <translation>Overtime tier 1</translation>
    </message>
    <message>
        <source>加班二档</source>
        <translation>Overtime tier 2</translation>
    </message>
    <message>
        <source>加班一档时间</source>
        <translation>Overtime tier 1 time</translation>
    </message>
    <message>
        <source>加班二档时间</source>
        <translation>Overtime tier 2 time</translation>
    </message>
    <message>
        <source>打卡时段与计算（分钟）</source>
        <translation>Punch windows and calculation (minutes)</translation>
    </message>
    <message>
        <source> 分钟</source>
        <translation> min</translation>
    </message>
    <message>
        <source>
请先修正该文件，再打开班次设置。</source>
        <translation>
Please repair the file first, then open the shift settings.</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>还没有班次：点击“添加”新建一个。</source>
        <translation>No shifts yet: click &quot;Add&quot; to create one.</translation>
    </message>
    <message>
        <source>第一段上班：</source>
        <translation>First block start: </translation>
    </message>
    <message>
        <source>第一段下班：</source>
        <translation>First block end: </translation>
    </message>
    <message>
        <source>第二段上班：</source>
        <translation>Second block start: </translation>
    </message>
    <message>
        <source>第二段下班：</source>
        <translation>Second block end: </translation>
    </message>
    <message>
        <source>上班：</source>
        <translation>Start: </translation>
    </message>
    <message>
        <source>下班：</source>
        <translation>End: </translation>
    </message>
    <message>
        <source>✓ 班次“%1”可以使用。</source>
        <translation>✓ Shift &quot;%1&quot; can be used.</translation>
    </message>
    <message>
        <source>新班次</source>
        <translation>New shift</translation>
    </message>
    <message>
        <source>
读不出该排班表，无法确定班次是否仍在使用，暂不能删除。</source>
        <translation>
The roster cannot be read, so whether the shift is still in use is unknown; it cannot be deleted for now.</translation>
    </message>
    <message>
        <source>班次“%1”仍在使用，不能删除：
%2
请先改掉这些安排，再删除该班次。</source>
        <translation>Shift &quot;%1&quot; is still in use and cannot be deleted:
%2
Please change these assignments first, then delete the shift.</translation>
    </message>
    <message>
        <source>删除班次</source>
        <translation>Delete shift</translation>
    </message>
    <message>
        <source>确定删除班次“%1”吗？</source>
        <translation>Delete the shift &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>班次设置未保存：班次“%1”：%2</source>
        <translation>Shift settings not saved: shift &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>班次设置未保存：</source>
        <translation>Shift settings not saved: </translation>
    </message>
    <message>
        <source>班次设置已保存到 %1。
</source>
        <translation>Shift settings saved to %1.
</translation>
    </message>
    <message>
        <source>班次设置保存成功！</source>
        <translation>Shift settings saved!</translation>
    </message>
    <message>
        <source>班次设置已修改，尚未保存。放弃这些修改吗？</source>
        <translation>The shift settings were changed and not saved. Discard the changes?</translation>
    </message>
    <message>
        <source>上班卡可提前</source>
        <translation>Clock-in may be early by</translation>
    </message>
    <message>
        <source>上班时间前这么多分钟起，打卡计为上班卡</source>
        <translation>From this many minutes before the start, a punch counts as clocking in</translation>
    </message>
    <message>
        <source>上班卡可延后</source>
        <translation>Clock-in may be late by</translation>
    </message>
    <message>
        <source>上班时间后这么多分钟内，打卡仍计为上班卡（计迟到）</source>
        <translation>Up to this many minutes after the start, a punch still counts as clocking in (as late)</translation>
    </message>
    <message>
        <source>第二段上班卡可提前</source>
        <translation>Second clock-in may be early by</translation>
    </message>
    <message>
        <source>第二段上班时间前这么多分钟起，打卡计为第二段上班卡</source>
        <translation>From this many minutes before the second start, a punch counts as the second clock-in</translation>
    </message>
    <message>
        <source>第一段下班卡可延后</source>
        <translation>First clock-out may be late by</translation>
    </message>
    <message>
        <source>第一段下班时间后这么多分钟内，打卡仍计为第一段下班卡</source>
        <translation>Up to this many minutes after the first end, a punch still counts as the first clock-out</translation>
    </message>
    <message>
        <source>迟到宽限</source>
        <translation>Grace for lateness</translation>
    </message>
    <message>
        <source>迟到不超过这么多分钟，按准时计</source>
        <translation>Late by no more than this many minutes counts as on time</translation>
    </message>
    <message>
        <source>早退计算范围</source>
        <translation>Early leave range</translation>
    </message>
    <message>
        <source>下班时间前这么多分钟内的下班卡计为早退；0 表示下班前的打卡不算下班卡</source>
        <translation>A clock-out up to this many minutes before the end counts as leaving early; 0: a punch before the end is no clock-out</translation>
    </message>
    <message>
        <source>加班起算</source>
        <translation>Overtime starts after</translation>
    </message>
    <message>
        <source>最后下班时间再过这么多分钟，开始计加班分钟</source>
        <translation>Overtime minutes are counted from this many minutes after the last end</translation>
    </message>
    <message>
        <source>加班最少</source>
        <translation>Minimum overtime</translation>
    </message>
    <message>
        <source>加班不足这么多分钟，不计加班</source>
        <translation>Less overtime than this many minutes is not counted</translation>
    </message>
    <message>
        <source>加班计算单位</source>
        <translation>Overtime unit</translation>
    </message>
    <message>
        <source>加班分钟按这个单位向下取整</source>
        <translation>Overtime minutes are rounded down to this unit</translation>
    </message>
</context>
<context>
    <name>ShiftFiguresText</name>
    <message>
        <source>早退 %1次/%2分钟&#x3000;迟到 %3分钟&#x3000;加班 %4小时</source>
        <translation>Early %1×/%2 min   Late %3 min   Overtime %4 h</translation>
    </message>
    <message>
        <source>加班：工作日 %1小时，休息日 %2小时，节假日 %3小时（共 %4 分钟）</source>
        <translation>Overtime: workdays %1 h, rest days %2 h, holidays %3 h (%4 minutes in all)</translation>
    </message>
</context>
<context>
    <name>ShiftPlan</name>
    <message>
        <source>
考勤未分析：请先改正该文件。</source>
        <translation>
The attendance was not analysed: correct the file first.</translation>
    </message>
</context>
<context>
    <name>ShiftRoster</name>
    <message>
        <source>%1年%2月没有第%3天（“%4”）</source>
        <translation>%1/%2 has no day %3 (&quot;%4&quot;)</translation>
    </message>
    <message>
        <source>第%1天的“%2”不是已有的班次，也不是“休”</source>
        <translation>&quot;%2&quot; on day %1 is neither an existing shift nor &quot;休&quot;</translation>
    </message>
    <message>
        <source>排班文件 %1 第%2行：%3</source>
        <translation>Roster file %1, line %2: %3</translation>
    </message>
    <message>
        <source>编号或班次中不能有换行</source>
        <translation>A number or shift must not contain a line break</translation>
    </message>
    <message>
        <source>行首缺少员工编号</source>
        <translation>The line lacks the employee number at its start</translation>
    </message>
    <message>
        <source>员工 %1 有 %2 天的班次，一个月最多 31 天</source>
        <translation>Employee %1 has shifts on %2 days; a month has at most 31</translation>
    </message>
    <message>
        <source>员工 %1 </source>
        <translation>Employee %1 </translation>
    </message>
    <message>
        <source>员工 %1 在第%2行已经排过班</source>
        <translation>Employee %1 is already scheduled in line %2</translation>
    </message>
    <message>
        <source>排班未保存：</source>
        <translation>Roster not saved: </translation>
    </message>
    <message>
        <source>无法删除文件：%1（%2）</source>
        <translation>Cannot delete the file: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>ShiftRosterDialog</name>
    <message>
        <source>一</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>二</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>三</source>
        <translation>We</translation>
    </message>
    <message>
        <source>四</source>
        <translation>Th</translation>
    </message>
    <message>
        <source>五</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>六</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>日</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>%1年%2月</source>
        <translation>%2/%1</translation>
    </message>
    <message>
        <source>排班表</source>
        <translation>Shift roster</translation>
    </message>
    <message>
        <source>年份</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>月份</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>%1月</source>
        <translation>Month %1</translation>
    </message>
    <message>
        <source>◀ 上月</source>
        <translation>◀ Previous</translation>
    </message>
    <message>
        <source>下月 ▶</source>
        <translation>Next ▶</translation>
    </message>
    <message>
        <source>复制上月(&amp;C)</source>
        <translation>&amp;Copy last month</translation>
    </message>
    <message>
        <source>清空本月(&amp;E)</source>
        <translation>&amp;Empty this month</translation>
    </message>
    <message>
        <source>月份(&amp;Y)：</source>
        <translation>Mont&amp;h: </translation>
    </message>
    <message>
        <source>年</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>%1 %2&#x3000;%3月%4日（周%5）：%6</source>
        <translation>%1 %2&#x3000;%4/%3 (%5): %6</translation>
    </message>
    <message>
        <source>未排班</source>
        <translation>Not scheduled</translation>
    </message>
    <message>
        <source>休息</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>（节假日：%1）</source>
        <translation> (holiday: %1)</translation>
    </message>
    <message>
        <source>（调休上班）</source>
        <translation> (working day in lieu)</translation>
    </message>
    <message>
        <source>轮换</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>例如 白白夜夜休休</source>
        <translation>e.g. 白白夜夜休休</translation>
    </message>
    <message>
        <source>各班次的简称连写，或班次全名用空格分开；“休”为休息日</source>
        <translation>Short names written together, or full shift names separated by spaces; &quot;休&quot; is a rest day</translation>
    </message>
    <message>
        <source>从轮换的第几个开始</source>
        <translation>Start at which step of the rotation</translation>
    </message>
    <message>
        <source>每人错开几天</source>
        <translation>Days between employees</translation>
    </message>
    <message>
        <source>第二个所选员工比第一个提前这么多步，依此类推（例如三组倒班错开 2 天）</source>
        <translation>Each chosen employee starts this many steps ahead of the one before (e.g. three crews offset by 2 days)</translation>
    </message>
    <message>
        <source>按轮换填充所选(&amp;F)</source>
        <translation>&amp;Fill the selection by rotation</translation>
    </message>
    <message>
        <source>轮换(&amp;L)：</source>
        <translation>&amp;Rotation: </translation>
    </message>
    <message>
        <source>从第</source>
        <translation>Start at step</translation>
    </message>
    <message>
        <source>个开始，每人错开</source>
        <translation>, offset per employee</translation>
    </message>
    <message>
        <source>天</source>
        <translation>days</translation>
    </message>
    <message>
        <source>当前格</source>
        <translation>Current cell</translation>
    </message>
    <message>
        <source>先选工具，再在表中点击或拖动；键盘：方向键移动，Shift+方向键多选，数字 1–9 为各班次，0 为休，Delete 清除，空格填入所选工具。</source>
        <translation>Choose a tool, then click or drag in the table; keys: arrows move, Shift+arrows select, digits 1–9 are the shifts, 0 is rest, Delete clears, Space fills with the chosen tool.</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>工具：</source>
        <translation>Tool: </translation>
    </message>
    <message>
        <source>
请先修正该文件，再打开排班表。</source>
        <translation>
Please repair the file first, then open the shift roster.</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>只选择格子，不填入（用于按轮换填充）</source>
        <translation>Only select cells, fill nothing (for filling by rotation)</translation>
    </message>
    <message>
        <source>填入“%1”（%2）</source>
        <translation>Fill in &quot;%1&quot; (%2)</translation>
    </message>
    <message>
        <source>填入时间模式一的班次</source>
        <translation>Fill in the shift of time mode 1</translation>
    </message>
    <message>
        <source>填入时间模式二的班次</source>
        <translation>Fill in the shift of time mode 2</translation>
    </message>
    <message>
        <source>0 休</source>
        <translation>0 Rest</translation>
    </message>
    <message>
        <source>填入休息日</source>
        <translation>Fill in rest days</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>清除所选格子（该日按周排班或时间模式考勤）</source>
        <translation>Clear the chosen cells (those days follow the week pattern or the time mode)</translation>
    </message>
    <message>
        <source>%1的排班表已修改，尚未保存。放弃这些修改吗？</source>
        <translation>The shift roster of %1 was changed and not saved. Discard the changes?</translation>
    </message>
    <message>
        <source>
为免覆盖其中原有的内容，该月排班表不能修改。</source>
        <translation>
To avoid overwriting its contents, that month&apos;s roster cannot be changed.</translation>
    </message>
    <message>
        <source>（不在员工列表）</source>
        <translation> (not in the employee list)</translation>
    </message>
    <message>
        <source>
节</source>
        <translation>
H</translation>
    </message>
    <message>
        <source>节假日：%1</source>
        <translation>Holiday: %1</translation>
    </message>
    <message>
        <source>
班</source>
        <translation>
W</translation>
    </message>
    <message>
        <source>调休上班</source>
        <translation>Working day in lieu</translation>
    </message>
    <message>
        <source>该月排班文件读不出，不能修改。</source>
        <translation>That month&apos;s roster file cannot be read and cannot be changed.</translation>
    </message>
    <message>
        <source>员工列表为空：请先在“系统设置”中添加员工。</source>
        <translation>The employee list is empty: please add employees under &quot;Settings&quot; first.</translation>
    </message>
    <message>
        <source>排班表 - %1 *</source>
        <translation>Shift roster - %1 *</translation>
    </message>
    <message>
        <source>排班表 - %1</source>
        <translation>Shift roster - %1</translation>
    </message>
    <message>
        <source>请先在表中选择要排班的员工和日期！</source>
        <translation>Please choose the employees and dates to schedule in the table first!</translation>
    </message>
    <message>
        <source>上月（%1）没有排班，无可复制。</source>
        <translation>Last month (%1) has no roster to copy.</translation>
    </message>
    <message>
        <source>复制上月</source>
        <translation>Copy last month</translation>
    </message>
    <message>
        <source>%1已有排班，复制上月将替换本月的全部排班。继续吗？</source>
        <translation>%1 already has a roster; copying last month replaces all of this month&apos;s. Continue?</translation>
    </message>
    <message>
        <source>清空本月</source>
        <translation>Empty this month</translation>
    </message>
    <message>
        <source>清空%1的全部排班吗？（点击“保存”后才写入文件）</source>
        <translation>Empty the whole roster of %1? (The file is written only when you click &quot;Save&quot;)</translation>
    </message>
    <message>
        <source>文件 %1 未能读出，为免覆盖其中原有的内容，本次未保存。请先修正该文件，再重新打开该月。</source>
        <translation>The file %1 could not be read; to avoid overwriting its contents nothing was saved. Please repair the file first, then open the month again.</translation>
    </message>
    <message>
        <source>%1排班表保存成功！</source>
        <translation>The shift roster of %1 was saved!</translation>
    </message>
</context>
<context>
    <name>ShiftRotation</name>
    <message>
        <source>“%1”是%2共用的简称，请写出班次全名，用空格分开</source>
        <translation>“%1” is the short name of %2; write the shifts&apos; full names, separated by spaces</translation>
    </message>
    <message>
        <source>“%1”不是已有班次的名称或简称，也不是“休”</source>
        <translation>“%1” is neither the name or short name of a shift nor “休”</translation>
    </message>
    <message>
        <source>请输入轮换的班次，例如“白白夜夜休休”</source>
        <translation>Enter the shifts of the rotation, for example “白白夜夜休休”</translation>
    </message>
</context>
<context>
    <name>ShiftTimelineView</name>
    <message>
        <source>A上班</source>
        <translation>AM in</translation>
    </message>
    <message>
        <source>A下班</source>
        <translation>AM out</translation>
    </message>
    <message>
        <source>P上班</source>
        <translation>PM in</translation>
    </message>
    <message>
        <source>P下班</source>
        <translation>PM out</translation>
    </message>
    <message>
        <source>班次时间轴</source>
        <translation>Shift timeline</translation>
    </message>
    <message>
        <source>工作日 %1–%2</source>
        <translation>Working day %1–%2</translation>
    </message>
    <message>
        <source>上班 %1–%2、%3–%4</source>
        <translation>Working %1–%2, %3–%4</translation>
    </message>
    <message>
        <source>上班 %1–%2</source>
        <translation>Working %1–%2</translation>
    </message>
    <message>
        <source>%1 打卡 %2 以后</source>
        <translation>%1 punch after %2</translation>
    </message>
    <message>
        <source>%1 打卡 %2–%3</source>
        <translation>%1 punch %2–%3</translation>
    </message>
    <message>
        <source>加班%1档 %2</source>
        <translation>Overtime tier %1 %2</translation>
    </message>
    <message>
        <source>一</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>二</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>次日</source>
        <translation>next day</translation>
    </message>
    <message>
        <source>当日</source>
        <translation>same day</translation>
    </message>
    <message>
        <source>加班一</source>
        <translation>OT 1</translation>
    </message>
    <message>
        <source>加班二</source>
        <translation>OT 2</translation>
    </message>
</context>
<context>
    <name>ShiftUsage</name>
    <message>
        <source>周一</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>周二</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>周三</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>周四</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>周五</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>周六</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>周日</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>%1年%2月</source>
        <translation>%2/%1</translation>
    </message>
    <message>
        <source>员工 %1 的周排班（%2）</source>
        <translation>the week pattern of employee %1 (%2)</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>排班表 %1（%2 人共 %3 天）</source>
        <translation>roster %1 (%2 people, %3 days)</translation>
    </message>
    <message>
        <source>以下排班表仍写着改名前的班次名，未能改过来（分析这些月份时会因找不到班次而停止）。请排除原因后再点一次“保存”：
</source>
        <translation>These rosters still hold the shift name from before the renaming and could not be changed (analysing those months would stop at the unknown shift). Please remove the cause and click &quot;Save&quot; again:
</translation>
    </message>
</context>
<context>
    <name>SkinPictures</name>
    <message>
        <source>Tarnby考勤助手2.0</source>
        <translation>Tarnby Attendance 2.0</translation>
    </message>
    <message>
        <source>考勤记录读取 · 迟到早退统计 · 特殊情况登记 · 值日安排</source>
        <translation>Punch records · lateness · special cases · duty roster</translation>
    </message>
</context>
<context>
    <name>StoredFile</name>
    <message>
        <source>无法保存文件：%1（%2）</source>
        <translation>Cannot save the file: %1 (%2)</translation>
    </message>
    <message>
        <source>无法删除文件：%1（%2）</source>
        <translation>Cannot delete the file: %1 (%2)</translation>
    </message>
    <message>
        <source>文件 %1 在本窗口载入之后已被其他程序修改，本次未保存。</source>
        <translation>The file %1 was changed by another program after this window loaded it; nothing was saved.</translation>
    </message>
    <message>
        <source>未能在 %1 中保留原来的版本：%2</source>
        <translation>Could not keep the old version in %1: %2</translation>
    </message>
    <message>
        <source>未能在 %1 中保留新的版本：%2</source>
        <translation>Could not keep the new version in %1: %2</translation>
    </message>
    <message>
        <source>文件 %1 已保存，但未能记入变更记录（%2）。</source>
        <translation>The file %1 was saved, but could not be recorded in the change log (%2).</translation>
    </message>
    <message>
        <source>未能写入变更记录 %1</source>
        <translation>Could not write the change log %1</translation>
    </message>
    <message>
        <source>无法读取文件：%1（%2）</source>
        <translation>Cannot read the file: %1 (%2)</translation>
    </message>
    <message>
        <source>找不到文件：%1</source>
        <translation>The file cannot be found: %1</translation>
    </message>
</context>
<context>
    <name>SummaryChart</name>
    <message>
        <source>迟到（次）</source>
        <translation>Late (times)</translation>
    </message>
    <message>
        <source>漏打（次）</source>
        <translation>Missed (times)</translation>
    </message>
    <message>
        <source>旷工（天）</source>
        <translation>Absent (days)</translation>
    </message>
    <message>
        <source>无打卡记录</source>
        <translation>No punch records</translation>
    </message>
    <message>
        <source>没有员工</source>
        <translation>No employees</translation>
    </message>
</context>
<context>
    <name>SummaryDialog</name>
    <message>
        <source>导出汇总</source>
        <translation>Export summary</translation>
    </message>
    <message>
        <source>Excel 工作簿 (*.xlsx)</source>
        <translation>Excel workbook (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF file (*.pdf)</translation>
    </message>
    <message>
        <source>全体员工考勤汇总</source>
        <translation>Attendance summary of all employees</translation>
    </message>
    <message>
        <source>重新汇总</source>
        <translation>Summarise again</translation>
    </message>
    <message>
        <source>按第2页现在的结算期、时间模式、休息日和考勤数据重新汇总</source>
        <translation>Summarise again with page 2&apos;s current settlement period, time mode, rest days and attendance data</translation>
    </message>
    <message>
        <source>按部门小计</source>
        <translation>Subtotals by department</translation>
    </message>
    <message>
        <source>按 Schedules.json 中的部门分组，每个部门后加小计，最后是合计</source>
        <translation>Group by the departments in Schedules.json, a subtotal after each department and the total at the end</translation>
    </message>
    <message>
        <source>印在汇总、考勤表和打印件上；下次打开时仍在</source>
        <translation>Printed on the summary, the attendance sheet and the printout; kept for next time</translation>
    </message>
    <message>
        <source>导出为 Excel 工作簿：汇总、明细、登记、说明和考勤表</source>
        <translation>Export as an Excel workbook: summary, details, registrations, notes and attendance sheet</translation>
    </message>
    <message>
        <source>导出汇总表为 CSV 文件</source>
        <translation>Export the summary table as a CSV file</translation>
    </message>
    <message>
        <source>导出为 PDF：汇总表和考勤表，之后每位员工一页考勤卡</source>
        <translation>Export as PDF: summary table and attendance sheet, then one attendance card per employee</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>打印汇总与每位员工的明细</source>
        <translation>Print the summary and each employee&apos;s details</translation>
    </message>
    <message>
        <source>制表人</source>
        <translation>Prepared by</translation>
    </message>
    <message>
        <source>审核人</source>
        <translation>Checked by</translation>
    </message>
    <message>
        <source>导出 --&gt;</source>
        <translation>Export --&gt;</translation>
    </message>
    <message>
        <source>正在汇总…</source>
        <translation>Summarising…</translation>
    </message>
    <message>
        <source>汇总已取消</source>
        <translation>Summary cancelled</translation>
    </message>
    <message>
        <source>没有员工</source>
        <translation>No employees</translation>
    </message>
    <message>
        <source>汇总未能完成</source>
        <translation>The summary could not be completed</translation>
    </message>
    <message>
        <source>共 %1 名员工，全勤 %2 名，罚款合计 %3 元</source>
        <translation>%1 employees, %2 with full attendance, fines in total %3 yuan</translation>
    </message>
    <message>
        <source>，%1 名本期无打卡记录</source>
        <translation>, %1 without punch records this period</translation>
    </message>
    <message>
        <source>（另有 %1 笔金额无法识别，未计入，见标有 ? 的员工）</source>
        <translation> (%1 more amounts could not be recognised and are not counted; see the employees marked ?)</translation>
    </message>
    <message>
        <source>。双击一行在结果列表中查看该员工。</source>
        <translation>. Double-click a row to see the employee in the result list.</translation>
    </message>
    <message>
        <source>考勤汇总%1-%2%3</source>
        <translation>Attendance summary %1-%2%3</translation>
    </message>
    <message>
        <source>正在导出 %1 …</source>
        <translation>Exporting %1 …</translation>
    </message>
    <message>
        <source>汇总已导出到 %1</source>
        <translation>Summary exported to %1</translation>
    </message>
    <message>
        <source>打印汇总</source>
        <translation>Print summary</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>Printing…</translation>
    </message>
    <message>
        <source>无法打印：打印机未能开始打印，请检查打印机设置。</source>
        <translation>Cannot print: the printer did not start printing. Please check the printer settings.</translation>
    </message>
    <message>
        <source>汇总已送往打印机（共 %1 页）。</source>
        <translation>The summary was sent to the printer (%1 pages).</translation>
    </message>
    <message>
        <source>请重新填写制表人和审核人。</source>
        <translation>Please fill in the preparer and the checker again.</translation>
    </message>
    <message>
        <source>结算期</source>
        <translation>settlement period</translation>
    </message>
    <message>
        <source>月结制式</source>
        <translation>settlement style</translation>
    </message>
    <message>
        <source>时间模式</source>
        <translation>Time mode</translation>
    </message>
    <message>
        <source>休息日</source>
        <translation>rest days</translation>
    </message>
    <message>
        <source>考勤数据</source>
        <translation>attendance data</translation>
    </message>
    <message>
        <source>登记、值日表或设置</source>
        <translation>registrations, duty roster or settings</translation>
    </message>
    <message>
        <source>汇总已过期：%1已更改，表中数字仍是更改前的，不能导出或打印。请重新汇总。</source>
        <translation>The summary is out of date: the %1 changed, and the figures in the table are from before the change; it cannot be exported or printed. Please summarise again.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>请先选择结算的起始年份和月份！</source>
        <translation>Please choose the starting year and month of the settlement first!</translation>
    </message>
    <message>
        <source>按本列升序排列</source>
        <translation>Sort this column ascending</translation>
    </message>
    <message>
        <source>按本列降序排列</source>
        <translation>Sort this column descending</translation>
    </message>
    <message>
        <source>按员工列表的顺序排列</source>
        <translation>Order of the employee list</translation>
    </message>
</context>
<context>
    <name>SummaryModel</name>
    <message>
        <source>%1  %2（金额无法识别，未计入）</source>
        <translation>%1  %2 (amount not recognised, not counted)</translation>
    </message>
    <message>
        <source>%1 在本结算期内没有一次打卡：没有可统计的数字，不计全勤。</source>
        <translation>%1 has no punch in this settlement period: there are no figures to count, and no full attendance.</translation>
    </message>
    <message>
        <source>双击在结果列表中查看 %1</source>
        <translation>Double-click to see %1 in the result list</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>文件 %1 第%2行不是 UTF-8 编码的文字（可能是以 GBK 等编码保存的），请用 UTF-8 编码另存。</source>
        <translation>Line %2 of the file %1 is not UTF-8 text (it may have been saved as GBK or the like); please save it again as UTF-8.</translation>
    </message>
</context>
<context>
    <name>TodayMonths</name>
    <message>
        <source>一</source>
        <translation>January</translation>
    </message>
    <message>
        <source>二</source>
        <translation>February</translation>
    </message>
    <message>
        <source>三</source>
        <translation>March</translation>
    </message>
    <message>
        <source>四</source>
        <translation>April</translation>
    </message>
    <message>
        <source>五</source>
        <translation>May</translation>
    </message>
    <message>
        <source>六</source>
        <translation>June</translation>
    </message>
    <message>
        <source>七</source>
        <translation>July</translation>
    </message>
    <message>
        <source>八</source>
        <translation>August</translation>
    </message>
    <message>
        <source>九</source>
        <translation>September</translation>
    </message>
    <message>
        <source>十</source>
        <translation>October</translation>
    </message>
    <message>
        <source>十一</source>
        <translation>November</translation>
    </message>
    <message>
        <source>十二</source>
        <translation>December</translation>
    </message>
</context>
<context>
    <name>TodayPage</name>
    <message>
        <source>2013年02月20日 星期三 [农历癸巳年一月十一]</source>
        <translation>Wednesday, 20 February 2013 [lunar 癸巳 year, month 1 day 11]</translation>
    </message>
    <message>
        <source>日期控件未能载入，农历与日期选择暂不可用。</source>
        <translation>The date control could not be loaded; the lunar calendar and date picking are unavailable for now.</translation>
    </message>
    <message>
        <source>本月时令</source>
        <translation>This month&apos;s season</translation>
    </message>
    <message>
        <source>提示：在左侧日历中选好日期后，到[考勤统计]页点击“置为当前”，即可把它设为当前工作日期；点击“今日”则回到当前工作日期。</source>
        <translation>Tip: choose a date in the calendar on the left, then click &quot;Set as current&quot; on the [Attendance] page to make it the current work date; &quot;Today&quot; goes back to the current work date.</translation>
    </message>
</context>
<context>
    <name>TodayTexts</name>
    <message>
        <source>星期</source>
        <translation>Weekday </translation>
    </message>
    <message>
        <source>周</source>
        <translation>Day </translation>
    </message>
    <message>
        <source>%1年%2月%3日 </source>
        <translation>%2/%3/%1 </translation>
    </message>
    <message>
        <source> [农历</source>
        <translation> [lunar </translation>
    </message>
    <message>
        <source>梅花</source>
        <translation>plum blossom</translation>
    </message>
    <message>
        <source>杏花</source>
        <translation>apricot blossom</translation>
    </message>
    <message>
        <source>桃花</source>
        <translation>peach blossom</translation>
    </message>
    <message>
        <source>牡丹花</source>
        <translation>peony</translation>
    </message>
    <message>
        <source>石榴花</source>
        <translation>pomegranate blossom</translation>
    </message>
    <message>
        <source>荷花</source>
        <translation>lotus</translation>
    </message>
    <message>
        <source>葵花</source>
        <translation>sunflower</translation>
    </message>
    <message>
        <source>桂花</source>
        <translation>osmanthus</translation>
    </message>
    <message>
        <source>菊花</source>
        <translation>chrysanthemum</translation>
    </message>
    <message>
        <source>芙蓉花</source>
        <translation>hibiscus</translation>
    </message>
    <message>
        <source>山茶花</source>
        <translation>camellia</translation>
    </message>
    <message>
        <source>水仙花</source>
        <translation>narcissus</translation>
    </message>
    <message>
        <source>天气进一步变冷</source>
        <translation>It grows colder still</translation>
    </message>
    <message>
        <source>春回大地万物复苏</source>
        <translation>Spring returns and everything revives</translation>
    </message>
    <message>
        <source>气温开始较快回升</source>
        <translation>Temperatures begin to rise quickly</translation>
    </message>
    <message>
        <source>天气转暖草木繁茂</source>
        <translation>It turns warm and plants flourish</translation>
    </message>
    <message>
        <source>天气开始变的炎热</source>
        <translation>It begins to get hot</translation>
    </message>
    <message>
        <source>麦类等芒作物成熟</source>
        <translation>Wheat and other awned crops ripen</translation>
    </message>
    <message>
        <source>夏日炎炎酷暑难当</source>
        <translation>Blazing summer heat</translation>
    </message>
    <message>
        <source>秋高气爽果实成熟</source>
        <translation>Crisp autumn air and ripe fruit</translation>
    </message>
    <message>
        <source>天温下降天气转凉</source>
        <translation>Temperatures fall and it turns cool</translation>
    </message>
    <message>
        <source>露水凝结渐有寒意</source>
        <translation>Dew condenses, a chill in the air</translation>
    </message>
    <message>
        <source>冬临大地寒风呼啸</source>
        <translation>Cold winds sweep the land</translation>
    </message>
    <message>
        <source>将开始有大的降雪</source>
        <translation>Heavy snow begins</translation>
    </message>
    <message>
        <source>最冷的时候到了</source>
        <translation>The coldest time has come</translation>
    </message>
    <message>
        <source>降雨量开始增多</source>
        <translation>Rainfall begins to increase</translation>
    </message>
    <message>
        <source>昼夜长短相等了</source>
        <translation>Day and night are of equal length</translation>
    </message>
    <message>
        <source>雨水增多谷物生长</source>
        <translation>More rain, and the grain grows</translation>
    </message>
    <message>
        <source>夏熟作物开始饱满</source>
        <translation>Summer crops begin to fill out</translation>
    </message>
    <message>
        <source>雷雨时节雨连连</source>
        <translation>The season of thunderstorms</translation>
    </message>
    <message>
        <source>夏天最热的时节</source>
        <translation>The hottest time of summer</translation>
    </message>
    <message>
        <source>炎热天气即将结束</source>
        <translation>The heat will soon end</translation>
    </message>
    <message>
        <source>天气渐冷开始有霜</source>
        <translation>It turns colder, with the first frost</translation>
    </message>
    <message>
        <source>开始有小雪和冰苞</source>
        <translation>Light snow and sleet begin</translation>
    </message>
    <message>
        <source>冰雪时节雪纷纷</source>
        <translation>The season of ice and snow</translation>
    </message>
    <message>
        <source>日</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>一</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>二</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>三</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>四</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>五</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>六</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>星期%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>周%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1月%2开</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>WeekPatternDialog</name>
    <message>
        <source>周一</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>周二</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>周三</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>周四</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>周五</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>周六</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>周日</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>周排班与部门</source>
        <translation>Week patterns and departments</translation>
    </message>
    <message>
        <source>（不在员工列表）</source>
        <translation> (not in the employee list)</translation>
    </message>
    <message>
        <source>员工周排班</source>
        <translation>Employees&apos; week patterns</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>部门</source>
        <translation>Department</translation>
    </message>
    <message>
        <source>设置所选员工（可按住 Ctrl 或 Shift 多选）</source>
        <translation>Set the chosen employees (hold Ctrl or Shift to choose several)</translation>
    </message>
    <message>
        <source>设为周排班(&amp;P)</source>
        <translation>Set the week &amp;pattern</translation>
    </message>
    <message>
        <source>取消周排班(&amp;X)</source>
        <translation>Remove the week pattern (&amp;X)</translation>
    </message>
    <message>
        <source>所选员工改回按时间模式和结算日历的休息日考勤</source>
        <translation>The chosen employees return to the time mode and the rest days of the settlement calendar</translation>
    </message>
    <message>
        <source>设为部门(&amp;B)</source>
        <translation>Set the &amp;department</translation>
    </message>
    <message>
        <source>部门(&amp;M)：</source>
        <translation>Depart&amp;ment: </translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>确定后，请在“班次设置”中点击“保存”写入文件。</source>
        <translation>After OK, click &quot;Save&quot; in &quot;Shifts&quot; to write the file.</translation>
    </message>
    <message>
        <source>请先在表中选择员工！</source>
        <translation>Please choose employees in the table first!</translation>
    </message>
</context>
<context>
    <name>tarnby-cli</name>
    <message>
        <source>未知的选项：%1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>%1 后面缺少取值。</source>
        <translation>%1 needs a value.</translation>
    </message>
    <message>
        <source>输出格式只能是 json 或 csv：%1</source>
        <translation>The output format can only be json or csv: %1</translation>
    </message>
    <message>
        <source>--explain 只能用于 JSON 输出，不能与 --format csv 一起使用。</source>
        <translation>--explain works only with JSON output, not with --format csv.</translation>
    </message>
    <message>
        <source>请用 --employee 指定一名员工，或用 --all 分析全部员工（二者选一）。</source>
        <translation>Please name one employee with --employee, or all employees with --all (one of the two).</translation>
    </message>
    <message>
        <source>“%1”不是员工，请指定员工编号。</source>
        <translation>&quot;%1&quot; is not an employee; please give an employee number.</translation>
    </message>
    <message>
        <source>第%1行不是可以读取的打卡记录，请检查数据读取位置</source>
        <translation>Row %1 is not a punch record that can be read; please check the reading position</translation>
    </message>
    <message>
        <source>数据读取位置设定不正确</source>
        <translation>The reading position is not set correctly</translation>
    </message>
    <message>
        <source>第%1行</source>
        <translation>Row %1</translation>
    </message>
    <message>
        <source>第%1行 %2列</source>
        <translation>Row %1, column %2</translation>
    </message>
    <message>
        <source>文件：%1
</source>
        <translation>File: %1
</translation>
    </message>
    <message>
        <source>读取错误：%1
</source>
        <translation>Read error: %1
</translation>
    </message>
    <message>
        <source>样式：%1（%2</source>
        <translation>Layout: %1 (%2</translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>）
</source>
        <translation>)
</translation>
    </message>
    <message>
        <source>工作表：%1</source>
        <translation>Worksheet: %1</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>考勤期间：%1 至 %2
</source>
        <translation>Attendance period: %1 to %2
</translation>
    </message>
    <message>
        <source>表头行：%1
</source>
        <translation>Header row: %1
</translation>
    </message>
    <message>
        <source>起始行：%1
</source>
        <translation>First row: %1
</translation>
    </message>
    <message>
        <source>%1–%2=日（%3列）</source>
        <translation>%1–%2=days (%3 columns)</translation>
    </message>
    <message>
        <source>列：%1
</source>
        <translation>Columns: %1
</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>记录：%1
</source>
        <translation>Records: %1
</translation>
    </message>
    <message>
        <source>跳过：%1
</source>
        <translation>Skipped: %1
</translation>
    </message>
    <message>
        <source>  %1：%2</source>
        <translation>  %1: %2</translation>
    </message>
    <message>
        <source>提示：第%1行像是一条打卡记录，但数据读取位置从第%2行读起，这一行没有读入。
</source>
        <translation>Note: row %1 looks like a punch record, but reading starts at row %2, so that row was not read.
</translation>
    </message>
    <message>
        <source>--format 后面缺少取值。</source>
        <translation>--format needs a value.</translation>
    </message>
    <message>
        <source>输出格式只能是 text 或 json：%1</source>
        <translation>The output format can only be text or json: %1</translation>
    </message>
    <message>
        <source>缺少要识别的文件。</source>
        <translation>No file to detect.</translation>
    </message>
    <message>
        <source>多余的参数：%1</source>
        <translation>Extra argument: %1</translation>
    </message>
    <message>
        <source>%1 后面缺少值。</source>
        <translation>%1 needs a value.</translation>
    </message>
    <message>
        <source>--format 只能是 text 或 json：%1</source>
        <translation>--format can only be text or json: %1</translation>
    </message>
    <message>
        <source>%1 第%2行不是变更记录，已略过。</source>
        <translation>Line %2 of %1 is not a change record and was skipped.</translation>
    </message>
    <message>
        <source>缺少考勤所在目录。</source>
        <translation>The attendance folder is missing.</translation>
    </message>
    <message>
        <source>只能给出一个考勤所在目录。</source>
        <translation>Only one attendance folder can be given.</translation>
    </message>
    <message>
        <source>--value 后面缺少日期（yyyy-mm-dd）。</source>
        <translation>--value needs a date (yyyy-mm-dd).</translation>
    </message>
    <message>
        <source>--value 的日期无效：%1</source>
        <translation>Invalid date for --value: %1</translation>
    </message>
    <message>
        <source>第 %1 行不是日期（yyyy-mm-dd）：%2</source>
        <translation>Line %1 is not a date (yyyy-mm-dd): %2</translation>
    </message>
    <message>
        <source>%1 的取值须为 zh_CN、zh_TW 或 en：%2</source>
        <translation>%1 must be zh_CN, zh_TW or en: %2</translation>
    </message>
    <message>
        <source>%1 的取值有误：%2</source>
        <translation>Invalid value for %1: %2</translation>
    </message>
    <message>
        <source>请用 --output 指定报表文件（.xlsx、.csv 或 .pdf）。</source>
        <translation>Please name the report file with --output (.xlsx, .csv or .pdf).</translation>
    </message>
    <message>
        <source>报表文件名须以 .xlsx、.csv 或 .pdf 结尾：%1</source>
        <translation>The report file name must end in .xlsx, .csv or .pdf: %1</translation>
    </message>
    <message>
        <source>用法：
</source>
        <translation>Usage:
</translation>
    </message>
    <message>
        <source>--home 后面缺少程序文件夹。</source>
        <translation>--home needs the program folder.</translation>
    </message>
    <message>
        <source>未知的命令：%1</source>
        <translation>Unknown command: %1</translation>
    </message>
    <message>
        <source>时间模式只能是 1 或 2：%1</source>
        <translation>The time mode can only be 1 or 2: %1</translation>
    </message>
    <message>
        <source>请输入有效的年份(1901-2100)！</source>
        <translation>Please enter a valid year (1901-2100)!</translation>
    </message>
    <message>
        <source>请输入正确的月份！</source>
        <translation>Please enter a valid month!</translation>
    </message>
    <message>
        <source>月结制式只能是 1（月初制）或 2（月中制）：%1</source>
        <translation>The settlement style can only be 1 (month-start) or 2 (mid-month): %1</translation>
    </message>
    <message>
        <source>休息日不是有效的日期（yyyy-mm-dd）：%1</source>
        <translation>A rest day is not a valid date (yyyy-mm-dd): %1</translation>
    </message>
    <message>
        <source>请用 --folder 指定考勤所在目录。</source>
        <translation>Please give the attendance folder with --folder.</translation>
    </message>
    <message>
        <source>请用 --year 和 --month 指定起始年月。</source>
        <translation>Please give the starting year and month with --year and --month.</translation>
    </message>
    <message>
        <source>找不到配置文件：%1</source>
        <translation>Cannot find the configuration file: %1</translation>
    </message>
    <message>
        <source>lunar [--value yyyy-mm-dd] &lt; 日期列表</source>
        <translation>lunar [--value yyyy-mm-dd] &lt; list of dates</translation>
    </message>
    <message>
        <source>找不到生成 PDF 的模块，无法生成 PDF。找过：%1</source>
        <translation>The module that makes PDF files was not found, so no PDF can be made. Looked in: %1</translation>
    </message>
    <message>
        <source>无法载入生成 PDF 的模块，无法生成 PDF：%1</source>
        <translation>The module that makes PDF files could not be loaded, so no PDF can be made: %1</translation>
    </message>
    <message>
        <source>生成 PDF 的模块与本程序不配套，无法生成 PDF：%1</source>
        <translation>The module that makes PDF files does not match this program, so no PDF can be made: %1</translation>
    </message>
</context>
</TS>
