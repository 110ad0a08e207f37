<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fa">
<context>
    <name>frmContact</name>
    <message>
        <source>About</source>
        <extracomment>window caption</extracomment>
        <translation>Contact</translation>
    </message>
    <message>
        <source>   کارشناس ارشد بهداشت محيط </source>
        <extracomment>Label1(0)</extracomment>
        <translation>M.Sc. in Environmental Health</translation>
    </message>
    <message>
        <source>بهمن ماه 1388</source>
        <extracomment>Label2</extracomment>
        <translation>Feb. 2010</translation>
    </message>
    <message>
        <source>Web : %1</source>
        <extracomment>Label1(4)</extracomment>
        <translation>Web: %1</translation>
    </message>
    <message>
        <source> E-Mail: %1       </source>
        <extracomment>Label1(3)</extracomment>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>تلفن : %1                                          </source>
        <extracomment>Label1(2)</extracomment>
        <translation>Tel.: %1</translation>
    </message>
    <message>
        <source> %1  </source>
        <extracomment>Label1(1)</extracomment>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>frmabout</name>
    <message>
        <source>Tubewise</source>
        <extracomment>window caption</extracomment>
        <translation>Tubewise</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>cmdlang</extracomment>
        <translation>فارسي</translation>
    </message>
    <message>
        <source>درباره</source>
        <extracomment>cmddarbare</extracomment>
        <translation>About</translation>
    </message>
    <message>
        <source>ورود به برنامه</source>
        <extracomment>cmdenter</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>وبلاگ</source>
        <extracomment>cmdblog</extracomment>
        <translation>Blog</translation>
    </message>
    <message>
        <source>تماس</source>
        <extracomment>cmdcontact</extracomment>
        <translation>Contact</translation>
    </message>
    <message>
        <source>هيچ کس به خرد غايي نرسد ، مگر آن را در خود جستجو کند.      دلفاروت</source>
        <extracomment>Label1</extracomment>
        <translation>No one reaches ultimate wisdom unless they seek it within themselves.      Delfarut</translation>
    </message>
    <message>
        <source>سيني و پليت</source>
        <extracomment>cmdtray</extracomment>
        <translation>Trays and plates</translation>
    </message>
    <message>
        <source>اعتبارسنجي برنامه</source>
        <extracomment>cmdvalidate</extracomment>
        <translation>Validate this installation</translation>
    </message>
    <message>
        <source>دفتر نمونه ها</source>
        <extracomment>cmdregister</extracomment>
        <translation>Sample register</translation>
    </message>
</context>
<context>
    <name>frmdarbare</name>
    <message>
        <source>MPN</source>
        <extracomment>window caption</extracomment>
        <translation>About</translation>
    </message>
    <message>
        <source>اين نرم افزار به منظور برآورد تعداد باکتري هاي موجود در يک نمونه آب يا فاضلاب با استفاده از توزيع آماري پوآسون و روش توماس تدوين شده است. به دنبال تعيين بيشترين احتمال وجود يا عدم وجود باکتري در تعداد مشخصي از لوله هاي آزمايش ، تعداد .باکتري در هر ميلي ليتر از نمونه مورد نظر برآورد ميگردد  <byte value="xd"/></source>
        <extracomment>Label2</extracomment>
        <translation>This program estimates the number of bacteria in a sample of water or wastewater with the Poisson distribution and Thomas&apos; formula. From the largest probability that bacteria are present or absent in a known number of test tubes, it estimates the number of bacteria in each millilitre of the sample.</translation>
    </message>
    <message>
        <source>شماره نسخه : 1/0    رايگان  </source>
        <extracomment>Label1(0)</extracomment>
        <translation>Version 1.0, free</translation>
    </message>
</context>
<context>
    <name>frmdel</name>
    <message>
        <source>خروج</source>
        <extracomment>cmdexit</extracomment>
        <translation>Exit</translation>
    </message>
    <message>
        <source>ثبت</source>
        <extracomment>cmdset</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>.لطفا تعداد دفعات رقيق سازي را وارد کنيد</source>
        <extracomment>lbldilno</extracomment>
        <translation>Enter the number of dilutions.</translation>
    </message>
</context>
<context>
    <name>frmgraph</name>
    <message>
        <source>Graph</source>
        <extracomment>window caption</extracomment>
        <translation>Chart</translation>
    </message>
    <message>
        <source>ذخيره شود</source>
        <extracomment>Command1</extracomment>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>frmmpn</name>
    <message>
        <source>MPN</source>
        <extracomment>window caption</extracomment>
        <translation>MPN</translation>
    </message>
    <message>
        <source>تغيير رقت</source>
        <extracomment>cmddilchange</extracomment>
        <translation>New count</translation>
    </message>
    <message>
        <source>محاسبه </source>
        <extracomment>Command1</extracomment>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>5</source>
        <extracomment>lbseri(5)</extracomment>
        <translation>5</translation>
    </message>
    <message>
        <source>4</source>
        <extracomment>lbseri(4)</extracomment>
        <translation>4</translation>
    </message>
    <message>
        <source>3</source>
        <extracomment>lbseri(3)</extracomment>
        <translation>3</translation>
    </message>
    <message>
        <source>2</source>
        <extracomment>lbseri(2)</extracomment>
        <translation>2</translation>
    </message>
    <message>
        <source>1</source>
        <extracomment>lbseri(1)</extracomment>
        <translation>1</translation>
    </message>
    <message>
        <source>شماره  سري لوله ها</source>
        <extracomment>Label1</extracomment>
        <translation>Tube series</translation>
    </message>
    <message>
        <source>ميلي ليتر نمونه رقيق شده</source>
        <extracomment>lbln(1)</extracomment>
        <translation>Diluted sample, mL</translation>
    </message>
    <message>
        <source>تعداد لوله هاي منفي</source>
        <extracomment>lblq</extracomment>
        <translation>Negative tubes</translation>
    </message>
    <message>
        <source>تعداد لوله هاي مثبت</source>
        <extracomment>lblp</extracomment>
        <translation>Positive tubes</translation>
    </message>
</context>
<context>
    <name>frmregister</name>
    <message>
        <source>دفتر نمونه ها</source>
        <extracomment>window caption</extracomment>
        <translation>Sample register</translation>
    </message>
    <message>
        <source>جستجو</source>
        <extracomment>cmdfind</extracomment>
        <translation>Find</translation>
    </message>
    <message>
        <source>باز کردن دفتر</source>
        <extracomment>cmdlocation</extracomment>
        <translation>Open register</translation>
    </message>
    <message>
        <source>اصلاح رکورد</source>
        <extracomment>cmdcorrect</extracomment>
        <translation>Correct record</translation>
    </message>
    <message>
        <source>چاپ دوباره گزارش</source>
        <extracomment>cmdreprint</extracomment>
        <translation>Reprint report</translation>
    </message>
    <message>
        <source>ذخيره CSV</source>
        <extracomment>cmdexport</extracomment>
        <translation>Save CSV</translation>
    </message>
    <message>
        <source>شناسه نمونه</source>
        <extracomment>lblfindsample</extracomment>
        <translation>Sample ID</translation>
    </message>
    <message>
        <source>محل</source>
        <extracomment>lblfindsite</extracomment>
        <translation>Site</translation>
    </message>
    <message>
        <source>از تاريخ</source>
        <extracomment>lblfrom</extracomment>
        <translation>From date</translation>
    </message>
    <message>
        <source>تا تاريخ</source>
        <extracomment>lblto</extracomment>
        <translation>To date</translation>
    </message>
    <message>
        <source>آزمايشگر</source>
        <extracomment>lblfindanalyst</extracomment>
        <translation>Analyst</translation>
    </message>
    <message>
        <source>محل دفتر</source>
        <extracomment>lbllocation</extracomment>
        <translation>Register location</translation>
    </message>
    <message>
        <source>آمار محل</source>
        <extracomment>cmdsite</extracomment>
        <translation>Site statistics</translation>
    </message>
</context>
<context>
    <name>frmregsave</name>
    <message>
        <source>ثبت در دفتر</source>
        <extracomment>window caption</extracomment>
        <translation>Save to register</translation>
    </message>
    <message>
        <source>ثبت</source>
        <extracomment>cmdsave</extracomment>
        <translation>Save</translation>
    </message>
    <message>
        <source>انصراف</source>
        <extracomment>cmdcancel</extracomment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>شناسه نمونه</source>
        <extracomment>lblsampleid</extracomment>
        <translation>Sample ID</translation>
    </message>
    <message>
        <source>محل نمونه برداري</source>
        <extracomment>lblsite</extracomment>
        <translation>Sampling site</translation>
    </message>
    <message>
        <source>زمان نمونه برداري</source>
        <extracomment>lblsampled</extracomment>
        <translation>Sampled at</translation>
    </message>
    <message>
        <source>زمان دريافت</source>
        <extracomment>lblreceived</extracomment>
        <translation>Received at</translation>
    </message>
    <message>
        <source>آزمايشگر</source>
        <extracomment>lblreganalyst</extracomment>
        <translation>Analyst</translation>
    </message>
    <message>
        <source>دليل اصلاح</source>
        <extracomment>lblreason</extracomment>
        <translation>Reason</translation>
    </message>
</context>
<context>
    <name>frmresult</name>
    <message>
        <source>Results</source>
        <extracomment>window caption</extracomment>
        <translation>Results</translation>
    </message>
    <message>
        <source>بازگشت</source>
        <extracomment>cmdreturn</extracomment>
        <translation>Back</translation>
    </message>
    <message>
        <source>منحني توزيع پوآسون </source>
        <extracomment>Command1</extracomment>
        <translation>Poisson curve</translation>
    </message>
    <message>
        <source>توضيحات   </source>
        <extracomment>lblbahs(1)
----------
lblbahs(0)</extracomment>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>نتايج مدل توماس </source>
        <extracomment>Label3</extracomment>
        <translation>Thomas&apos; formula</translation>
    </message>
    <message>
        <source>نتاج بر اساس توزيع پوآسون</source>
        <extracomment>Label2</extracomment>
        <translation>Poisson distribution</translation>
    </message>
    <message>
        <source>برآورد دقيق و حدود اطمينان</source>
        <extracomment>cmdstats</extracomment>
        <translation>Exact MPN and limits</translation>
    </message>
</context>
<context>
    <name>frmsite</name>
    <message>
        <source>آمار محل نمونه برداري</source>
        <extracomment>window caption</extracomment>
        <translation>Sampling site statistics</translation>
    </message>
    <message>
        <source>بازه تاريخ</source>
        <extracomment>cboperiod
----------
cboperiod item</extracomment>
        <translation>Date range</translation>
    </message>
    <message>
        <source>آخرين نمونه ها</source>
        <extracomment>cboperiod item</extracomment>
        <translation>Last samples</translation>
    </message>
    <message>
        <source>روزهاي اخير</source>
        <extracomment>cboperiod item</extracomment>
        <translation>Recent days</translation>
    </message>
    <message>
        <source>نمايش</source>
        <extracomment>cmdshow</extracomment>
        <translation>Show</translation>
    </message>
    <message>
        <source>بدون حد</source>
        <extracomment>cboprofile
----------
cboprofile item</extracomment>
        <translation>No limit</translation>
    </message>
    <message>
        <source>تک نمونه</source>
        <extracomment>cbostatistic
----------
cbostatistic item</extracomment>
        <translation>Single sample</translation>
    </message>
    <message>
        <source>ميانگين هندسي</source>
        <extracomment>cbostatistic item</extracomment>
        <translation>Geometric mean</translation>
    </message>
    <message>
        <source>صدک 90</source>
        <extracomment>cbostatistic item</extracomment>
        <translation>90th percentile</translation>
    </message>
    <message>
        <source>صدک 95</source>
        <extracomment>cbostatistic item</extracomment>
        <translation>95th percentile</translation>
    </message>
    <message>
        <source>پذيرش ساده</source>
        <extracomment>cborule
----------
cborule item</extracomment>
        <translation>Simple acceptance</translation>
    </message>
    <message>
        <source>پذيرش محافظت شده</source>
        <extracomment>cborule item</extracomment>
        <translation>Guarded acceptance</translation>
    </message>
    <message>
        <source>با حد تشخيص</source>
        <extracomment>cbonondetect
----------
cbonondetect item</extracomment>
        <translation>At the detection limit</translation>
    </message>
    <message>
        <source>با نصف حد تشخيص</source>
        <extracomment>cbonondetect item</extracomment>
        <translation>At half the detection limit</translation>
    </message>
    <message>
        <source>ذخيره حد</source>
        <extracomment>cmdsaveprofile</extracomment>
        <translation>Save limit</translation>
    </message>
    <message>
        <source>حذف حد</source>
        <extracomment>cmddeleteprofile</extracomment>
        <translation>Delete limit</translation>
    </message>
    <message>
        <source>ذخيره گزارش</source>
        <extracomment>cmdreport</extracomment>
        <translation>Save report</translation>
    </message>
    <message>
        <source>ذخيره CSV</source>
        <extracomment>cmdcsv</extracomment>
        <translation>Save CSV</translation>
    </message>
    <message>
        <source>محل نمونه برداري</source>
        <extracomment>lblsite</extracomment>
        <translation>Sampling site</translation>
    </message>
    <message>
        <source>دوره</source>
        <extracomment>lblperiod</extracomment>
        <translation>Period</translation>
    </message>
    <message>
        <source>از تاريخ</source>
        <extracomment>lblfrom</extracomment>
        <translation>From</translation>
    </message>
    <message>
        <source>تا تاريخ</source>
        <extracomment>lblto</extracomment>
        <translation>To</translation>
    </message>
    <message>
        <source>حد مجاز</source>
        <extracomment>lblprofile</extracomment>
        <translation>Limit</translation>
    </message>
    <message>
        <source>آماره</source>
        <extracomment>lblstatistic</extracomment>
        <translation>Statistic</translation>
    </message>
    <message>
        <source>حد در 100 ميلي ليتر</source>
        <extracomment>lbllimit</extracomment>
        <translation>Limit per 100 mL</translation>
    </message>
    <message>
        <source>قاعده تصميم</source>
        <extracomment>lblrule</extracomment>
        <translation>Decision rule</translation>
    </message>
    <message>
        <source>نمونه بدون لوله مثبت</source>
        <extracomment>lblnondetect</extracomment>
        <translation>Non-detects count</translation>
    </message>
    <message>
        <source>نام حد</source>
        <extracomment>lblprofilename</extracomment>
        <translation>Limit name</translation>
    </message>
    <message>
        <source>روزهاي ميانگين متحرک</source>
        <extracomment>lblrolling</extracomment>
        <translation>Rolling mean days</translation>
    </message>
</context>
<context>
    <name>frmstats</name>
    <message>
        <source>Statistics</source>
        <extracomment>window caption</extracomment>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>لگ نرمال، روش جارويس</source>
        <extracomment>cbomethod
----------
cbomethod item</extracomment>
        <translation>Log-normal (Jarvis)</translation>
    </message>
    <message>
        <source>95 %</source>
        <extracomment>cbolevel
----------
cbolevel item</extracomment>
        <translation>95 %</translation>
    </message>
    <message>
        <source>کپي نتيجه</source>
        <extracomment>cmdcopy</extracomment>
        <translation>Copy result</translation>
    </message>
    <message>
        <source>ذخيره گزارش</source>
        <extracomment>cmdreport</extracomment>
        <translation>Save report</translation>
    </message>
    <message>
        <source>برآورد دقيق به روش بيشينه درست نمايي</source>
        <extracomment>lblhead(0)</extracomment>
        <translation>Exact maximum-likelihood estimate</translation>
    </message>
    <message>
        <source>حدود اطمينان</source>
        <extracomment>lblhead(1)</extracomment>
        <translation>Confidence limits</translation>
    </message>
    <message>
        <source>بيشترين تعداد احتمالي دقيق در 100 ميلي ليتر</source>
        <extracomment>lblstat(0)</extracomment>
        <translation>Exact MPN per 100 mL</translation>
    </message>
    <message>
        <source>بيشترين تعداد احتمالي دقيق در هر ميلي ليتر</source>
        <extracomment>lblstat(1)</extracomment>
        <translation>Exact MPN per mL</translation>
    </message>
    <message>
        <source>برآورد تصحيح شده براي اريبي در 100 ميلي ليتر</source>
        <extracomment>lblstat(2)</extracomment>
        <translation>Bias-corrected estimate per 100 mL</translation>
    </message>
    <message>
        <source>روش محاسبه</source>
        <extracomment>lblmethod</extracomment>
        <translation>Method</translation>
    </message>
    <message>
        <source>سطح اطمينان</source>
        <extracomment>lbllevel</extracomment>
        <translation>Confidence level</translation>
    </message>
    <message>
        <source>حد پايين اطمينان در 100 ميلي ليتر</source>
        <extracomment>lblstat(3)</extracomment>
        <translation>Lower confidence limit per 100 mL</translation>
    </message>
    <message>
        <source>حد بالاي اطمينان در 100 ميلي ليتر</source>
        <extracomment>lblstat(4)</extracomment>
        <translation>Upper confidence limit per 100 mL</translation>
    </message>
    <message>
        <source>شاخص کميابي الگوي لوله ها</source>
        <extracomment>lblstat(5)</extracomment>
        <translation>Rarity index of the tube pattern</translation>
    </message>
    <message>
        <source>نام نمونه</source>
        <extracomment>lblsample</extracomment>
        <translation>Sample</translation>
    </message>
    <message>
        <source>آزمايشگر</source>
        <extracomment>lblanalyst</extracomment>
        <translation>Analyst</translation>
    </message>
    <message>
        <source>تاريخ</source>
        <extracomment>lbldate</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>نسبت درست نمايي</source>
        <extracomment>cbomethod item</extracomment>
        <translation>Likelihood ratio</translation>
    </message>
    <message>
        <source>90 %</source>
        <extracomment>cbolevel item</extracomment>
        <translation>90 %</translation>
    </message>
    <message>
        <source>99 %</source>
        <extracomment>cbolevel item</extracomment>
        <translation>99 %</translation>
    </message>
    <message>
        <source>ثبت در دفتر</source>
        <extracomment>cmdregister</extracomment>
        <translation>Save to register</translation>
    </message>
    <message>
        <source>پذيرش ساده</source>
        <extracomment>cboreprule
----------
cboreprule item</extracomment>
        <translation>Simple acceptance</translation>
    </message>
    <message>
        <source>پذيرش محافظت شده</source>
        <extracomment>cboreprule item</extracomment>
        <translation>Guarded acceptance</translation>
    </message>
    <message>
        <source>حد مجاز گزارش در 100 ميلي ليتر</source>
        <extracomment>lblreplimit</extracomment>
        <translation>Report limit per 100 mL</translation>
    </message>
    <message>
        <source>قاعده</source>
        <extracomment>lblreprule</extracomment>
        <translation>Rule</translation>
    </message>
</context>
<context>
    <name>frmtray</name>
    <message>
        <source>Trays</source>
        <extracomment>window caption</extracomment>
        <translation>Trays and plates</translation>
    </message>
    <message>
        <source>سيني 97 چاهکي</source>
        <extracomment>cbodesign
----------
cbodesign item</extracomment>
        <translation>97-well tray</translation>
    </message>
    <message>
        <source>سري لوله ها</source>
        <extracomment>cbodesign item</extracomment>
        <translation>Tube series</translation>
    </message>
    <message>
        <source>سيني 51 چاهکي</source>
        <extracomment>cbodesign item</extracomment>
        <translation>51-well tray</translation>
    </message>
    <message>
        <source>پليت / گروه هاي دلخواه چاهک ها</source>
        <extracomment>cbodesign item</extracomment>
        <translation>plate / custom groups</translation>
    </message>
    <message>
        <source>محاسبه</source>
        <extracomment>cmdcalc</extracomment>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>بازگشت</source>
        <extracomment>cmdreturn</extracomment>
        <translation>Back</translation>
    </message>
    <message>
        <source>طرح آزمون</source>
        <extracomment>lbldesign</extracomment>
        <translation>Test design</translation>
    </message>
    <message>
        <source>تعداد چاهک هاي مثبت</source>
        <extracomment>lblpos</extracomment>
        <translation>The number of positive wells</translation>
    </message>
    <message>
        <source>تعداد چاهک هاي بزرگ مثبت</source>
        <extracomment>lbllarge</extracomment>
        <translation>The number of positive large wells</translation>
    </message>
    <message>
        <source>تعداد چاهک هاي کوچک مثبت</source>
        <extracomment>lblsmall</extracomment>
        <translation>The number of positive small wells</translation>
    </message>
    <message>
        <source>گروه ها، هر گروه حجم:مثبت:منفي، با فاصله از هم</source>
        <extracomment>lblgroups</extracomment>
        <translation>Groups: mL:positive:negative, separated by blanks</translation>
    </message>
    <message>
        <source>ضريب رقت</source>
        <extracomment>lblfactor</extracomment>
        <translation>The dilution factor</translation>
    </message>
    <message>
        <source>.سري لوله ها در پنجره هاي بعد وارد مي شود</source>
        <extracomment>lbltubes</extracomment>
        <translation>The tube series is entered in the next windows.</translation>
    </message>
</context>
<context>
    <name>tubewise::FormBuilder</name>
    <message>
        <source>تصوير نويسنده</source>
        <translation>Portrait of the author</translation>
    </message>
    <message>
        <source>تصوير زمينه</source>
        <translation>Background picture</translation>
    </message>
    <message>
        <source>خط جداکننده</source>
        <translation>Separator</translation>
    </message>
</context>
<context>
    <name>tubewise::Road</name>
    <message>
        <source>اعتبارسنجي برنامه</source>
        <translation>Validate this installation</translation>
    </message>
    <message>
        <source>.%1 مقدار از جدول هاي منتشر شده بررسي شد: %2 برابر، %3 تفاوت با دليل ثبت شده، %4 تفاوت بي دليل</source>
        <translation>%1 published values checked: %2 agree, %3 differ for a recorded reason, %4 differ without one.</translation>
    </message>
</context>
<context>
    <name>tubewise::frmabout</name>
    <message>
        <source>زبان برنامه را عوض مي کند؛ در هر پنجره: Ctrl+Shift+L</source>
        <translation>Changes the language of the program; in any window: Ctrl+Shift+L</translation>
    </message>
</context>
<context>
    <name>tubewise::frmdel</name>
    <message>
        <source>تعداد دفعات رقيق سازي</source>
        <translation>Number of dilutions</translation>
    </message>
</context>
<context>
    <name>tubewise::frmgraph</name>
    <message>
        <source>نمودار توزيع پوآسون</source>
        <translation>Chart of the Poisson distribution</translation>
    </message>
    <message>
        <source>%1
محور افقي: %2
محور عمودي: %3</source>
        <translation>%1
Horizontal axis: %2
Vertical axis: %3</translation>
    </message>
</context>
<context>
    <name>tubewise::frmmpn</name>
    <message>
        <source>رديف %1، ميلي ليتر نمونه رقيق شده در هر لوله</source>
        <translation>Row %1, mL of diluted sample per tube</translation>
    </message>
    <message>
        <source>رديف %1، تعداد لوله هاي منفي</source>
        <translation>Row %1, number of negative tubes</translation>
    </message>
    <message>
        <source>رديف %1، تعداد لوله هاي مثبت</source>
        <translation>Row %1, number of positive tubes</translation>
    </message>
</context>
<context>
    <name>tubewise::frmresult</name>
    <message>
        <source>احتمال بروز، توزيع پوآسون</source>
        <translation>Probability of the result, Poisson distribution</translation>
    </message>
    <message>
        <source>MPN در هر ميلي ليتر، توزيع پوآسون</source>
        <translation>MPN per mL, Poisson distribution</translation>
    </message>
    <message>
        <source>MPN در 100 ميلي ليتر، توزيع پوآسون</source>
        <translation>MPN per 100 mL, Poisson distribution</translation>
    </message>
    <message>
        <source>MPN در 100 ميلي ليتر، رابطه توماس</source>
        <translation>MPN per 100 mL, Thomas&apos; formula</translation>
    </message>
</context>
<context>
    <name>tubewise::frmstats</name>
    <message>
        <source>روش محاسبه حدود اطمينان</source>
        <translation>How the confidence limits are computed</translation>
    </message>
    <message>
        <source>سطح اطمينان حدود</source>
        <translation>Confidence level of the limits</translation>
    </message>
    <message>
        <source>هشدار الگوي لوله ها</source>
        <translation>Warning on the pattern of tubes</translation>
    </message>
    <message>
        <source>برآوردي که بايد گزارش شود</source>
        <translation>The figure to report</translation>
    </message>
    <message>
        <source>قاعده تصميم مطابقت نمونه با حد مجاز گزارش</source>
        <translation>Decision rule of the sample&apos;s conformity with the report&apos;s limit</translation>
    </message>
</context>
<context>
    <name>tubewise::text</name>
    <message>
        <source>ورودي اشتباه</source>
        <translation>Invalid entry</translation>
    </message>
    <message>
        <source> عدم ورود داده</source>
        <translation>No data entered</translation>
    </message>
    <message>
        <source>خطا</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>!  خانه هاي خالي را مقدار دهي کنيد </source>
        <translation>Fill in the empty cells!</translation>
    </message>
    <message>
        <source>! فقط عدد وارد شود </source>
        <translation>Enter numbers only!</translation>
    </message>
    <message>
        <source>! فقط عدد صحيح بين 1 تا 5 وارد شود</source>
        <translation>Enter a whole number from 1 to 5 only!</translation>
    </message>
    <message>
        <source>! تعدادفعات رقيق سازي وارد نشده است</source>
        <translation>The number of dilutions has not been entered!</translation>
    </message>
    <message>
        <source>! مقادير وارد شده قابل محاسبه نيست</source>
        <translation>The values entered cannot be calculated!</translation>
    </message>
    <message>
        <source>! تصوير ذخيره نشد</source>
        <translation>The picture was not saved!</translation>
    </message>
    <message>
        <source>! حجم نمونه در رديف %1 بايد بيشتر از صفر باشد</source>
        <translation>The sample volume in row %1 must be greater than zero!</translation>
    </message>
    <message>
        <source>! تعداد لوله ها در رديف %1 نمي تواند کمتر از صفر باشد</source>
        <translation>The number of tubes in row %1 cannot be less than zero!</translation>
    </message>
    <message numerus="yes">
        <source>احتمال بروزبراي %nرقت بر اساس توزيع پوآسون</source>
        <translation>
            <numerusform>Poisson probability, %n dilution</numerusform>
            <numerusform>Poisson probability, %n dilutions</numerusform>
        </translation>
    </message>
    <message>
        <source> دانسيته کليفرمي برحسب تعداد در هر ميلي ليتر</source>
        <translation>Coliform density, number per mL</translation>
    </message>
    <message>
        <source> دانسيته کليفرمي برحسب تعداد در 100 ميلي ليتر</source>
        <translation>Coliform density, number per 100 mL</translation>
    </message>
    <message>
        <source>%1  &lt;</source>
        <translation>&gt;%1</translation>
    </message>
    <message>
        <source> توزيع پوآسون به توزيع نرمال نزديک شده است. پس براي برآورد .مناسب نيست. براي گرفتن نتايج بهتر نمونه خود را رقيقتر کنيد</source>
        <translation>The Poisson distribution has come close to the normal distribution and is not suitable for the estimate. For better results, dilute the sample further.</translation>
    </message>
    <message>
        <source>  .برآورد با استفاده از توزيع پوآسون صحيح است </source>
        <translation>The estimate from the Poisson distribution is reliable.</translation>
    </message>
    <message>
        <source> .برآورد با استفاده از رابطه توماس صحيح است </source>
        <translation>The estimate from Thomas&apos; formula is reliable.</translation>
    </message>
    <message>
        <source>! تعريف نشده</source>
        <translation>Undefined</translation>
    </message>
    <message>
        <source> رابطه توماس از نظر رياضي تعريف نشده است. لطفا نمونه رقيق تر .شود</source>
        <translation>Thomas&apos; formula is undefined; dilute the sample.</translation>
    </message>
    <message>
        <source>(MPN = %1) توزيع پوآسون براي نمونه آناليز شده </source>
        <translation>Poisson distribution of the analysed sample (MPN = %1)</translation>
    </message>
    <message>
        <source>(MPN &gt; %1) توزيع پوآسون براي نمونه آناليز شده </source>
        <translation>Poisson distribution of the analysed sample (MPN &gt; %1)</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Probability</translation>
    </message>
    <message>
        <source>Probability / %1</source>
        <translation>Probability / %1</translation>
    </message>
    <message>
        <source>Coliform Density , Number/mL</source>
        <translation>Coliform density, number per mL</translation>
    </message>
    <message>
        <source>! حجم نمونه در رديف %1 براي محاسبه بسيار کوچک است</source>
        <translation>The sample volume in row %1 is too small to compute with!</translation>
    </message>
    <message>
        <source>! گزارش ذخيره نشد</source>
        <translation>The report was not saved!</translation>
    </message>
    <message>
        <source>.اجازه نوشتن در اين پوشه يا روي اين فايل داده نشده است</source>
        <translation>There is no permission to write to this folder or this file.</translation>
    </message>
    <message>
        <source>.اين ديسک فقط خواندني است</source>
        <translation>This disk is read-only.</translation>
    </message>
    <message>
        <source>.فضاي ديسک پر است</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>.پوشه مقصد وجود ندارد</source>
        <translation>The destination folder does not exist.</translation>
    </message>
    <message>
        <source>.اين نام فايل مجاز نيست</source>
        <translation>This file name is not allowed.</translation>
    </message>
    <message>
        <source>برآورد دقيق به روش بيشينه درست نمايي</source>
        <translation>Exact maximum-likelihood estimate</translation>
    </message>
    <message>
        <source>بيشترين تعداد احتمالي دقيق در 100 ميلي ليتر</source>
        <translation>Exact MPN per 100 mL</translation>
    </message>
    <message>
        <source>بيشترين تعداد احتمالي دقيق در هر ميلي ليتر</source>
        <translation>Exact MPN per mL</translation>
    </message>
    <message>
        <source>برآورد تصحيح شده براي اريبي در 100 ميلي ليتر</source>
        <translation>Bias-corrected estimate per 100 mL</translation>
    </message>
    <message>
        <source>حدود اطمينان</source>
        <translation>Confidence limits</translation>
    </message>
    <message>
        <source>روش محاسبه</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>سطح اطمينان</source>
        <translation>Confidence level</translation>
    </message>
    <message>
        <source>حد پايين اطمينان در 100 ميلي ليتر</source>
        <translation>Lower confidence limit per 100 mL</translation>
    </message>
    <message>
        <source>حد بالاي اطمينان در 100 ميلي ليتر</source>
        <translation>Upper confidence limit per 100 mL</translation>
    </message>
    <message>
        <source>شاخص کميابي الگوي لوله ها</source>
        <translation>Rarity index of the tube pattern</translation>
    </message>
    <message>
        <source>لگ نرمال، روش جارويس</source>
        <translation>Log-normal (Jarvis)</translation>
    </message>
    <message>
        <source>نسبت درست نمايي</source>
        <translation>Likelihood ratio</translation>
    </message>
    <message>
        <source>نامحدود</source>
        <translation>Unbounded</translation>
    </message>
    <message>
        <source>! الگوي لوله هاي مثبت بسيار نامحتمل است. لوله ها را دوباره بخوانيد يا آزمون را تکرار کنيد</source>
        <translation>The pattern of positive tubes is very improbable. Read the tubes again or repeat the test!</translation>
    </message>
    <message>
        <source>.برآورد پنجره نتايج با برآورد دقيق يکسان است؛ همان را گزارش کنيد</source>
        <translation>The results window&apos;s estimate equals the exact estimate; report it.</translation>
    </message>
    <message>
        <source>.برآورد پنجره نتايج فقط کران پايين است؛ برآورد دقيق را گزارش کنيد</source>
        <translation>The results window&apos;s estimate is only a lower bound; report the exact estimate.</translation>
    </message>
    <message>
        <source>.برآورد پنجره نتايج تقريبي است؛ برآورد دقيق را گزارش کنيد</source>
        <translation>The results window&apos;s estimate is approximate; report the exact estimate.</translation>
    </message>
    <message>
        <source>.هيچ برآوردي را گزارش نکنيد مگر پس از خواندن دوباره لوله ها يا تکرار آزمون</source>
        <translation>Report no estimate until the tubes have been re-read or the test repeated.</translation>
    </message>
    <message>
        <source>! جدول پس از اين محاسبه تغيير کرده است؛ دوباره محاسبه کنيد</source>
        <translation>! The grid has changed since this calculation; calculate again.</translation>
    </message>
    <message>
        <source>تصوير ذخيره شد: %1</source>
        <translation>Picture saved: %1</translation>
    </message>
    <message>
        <source>گزارش ذخيره شد: %1</source>
        <translation>Report saved: %1</translation>
    </message>
    <message>
        <source>نتيجه در حافظه کپي شد</source>
        <translation>Result copied to the clipboard</translation>
    </message>
    <message>
        <source>خط وضعيت</source>
        <translation>Status line</translation>
    </message>
    <message>
        <source>! اين تاريخ وجود ندارد. تاريخ را به صورت 1403/05/12 يا 2024-08-02 بنويسيد</source>
        <translation>! This date does not exist. Write the date as 1403/05/12 or 2024-08-02.</translation>
    </message>
    <message>
        <source>RTL</source>
        <translation>LTR</translation>
    </message>
    <message>
        <source>گزارش شمارش کليفرم به روش تخمير چند لوله اي</source>
        <translation>Coliform count by the multiple-tube fermentation method</translation>
    </message>
    <message>
        <source>نام نمونه</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>آزمايشگر</source>
        <translation>Analyst</translation>
    </message>
    <message>
        <source>تاريخ</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>سري رقت ها</source>
        <translation>Dilution series</translation>
    </message>
    <message>
        <source>شماره سري</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>ميلي ليتر نمونه رقيق شده</source>
        <translation>Diluted sample, mL</translation>
    </message>
    <message>
        <source>تعداد لوله هاي مثبت</source>
        <translation>Positive tubes</translation>
    </message>
    <message>
        <source>تعداد لوله هاي منفي</source>
        <translation>Negative tubes</translation>
    </message>
    <message>
        <source>نتايج بر اساس توزيع پوآسون</source>
        <translation>Results by the Poisson distribution</translation>
    </message>
    <message>
        <source>نتايج مدل توماس</source>
        <translation>Results of Thomas&apos; formula</translation>
    </message>
    <message>
        <source>منحني توزيع پوآسون</source>
        <translation>Poisson distribution curve</translation>
    </message>
    <message>
        <source>سيني 51 چاهکي</source>
        <translation>51-well tray</translation>
    </message>
    <message>
        <source>سيني 97 چاهکي</source>
        <translation>97-well tray</translation>
    </message>
    <message>
        <source>پليت / گروه هاي دلخواه چاهک ها</source>
        <translation>plate / custom groups</translation>
    </message>
    <message>
        <source>چاهک هاي مثبت: %1 از %2</source>
        <translation>positive wells: %1 of %2</translation>
    </message>
    <message>
        <source>چاهک هاي بزرگ مثبت: %1 از %2، چاهک هاي کوچک مثبت: %3 از %4</source>
        <translation>positive large wells: %1 of %2, positive small wells: %3 of %4</translation>
    </message>
    <message>
        <source>گروه ها (حجم:مثبت:منفي): %1</source>
        <translation>groups (volume:positive:negative): %1</translation>
    </message>
    <message>
        <source>ضريب رقت: %1</source>
        <translation>dilution factor: %1</translation>
    </message>
    <message>
        <source>تعداد چاهک هاي مثبت</source>
        <translation>The number of positive wells</translation>
    </message>
    <message>
        <source>تعداد چاهک هاي بزرگ مثبت</source>
        <translation>The number of positive large wells</translation>
    </message>
    <message>
        <source>تعداد چاهک هاي کوچک مثبت</source>
        <translation>The number of positive small wells</translation>
    </message>
    <message>
        <source>ضريب رقت</source>
        <translation>The dilution factor</translation>
    </message>
    <message>
        <source>حجم هر چاهک گروه %1</source>
        <translation>The volume of each well of group %1</translation>
    </message>
    <message>
        <source>تعداد چاهک هاي مثبت گروه %1</source>
        <translation>The number of positive wells of group %1</translation>
    </message>
    <message>
        <source>تعداد چاهک هاي منفي گروه %1</source>
        <translation>The number of negative wells of group %1</translation>
    </message>
    <message>
        <source>! %1 بايد عدد صحيح باشد</source>
        <translation>%1 must be a whole number!</translation>
    </message>
    <message>
        <source>! %1 نمي تواند کمتر از صفر باشد</source>
        <translation>%1 cannot be less than zero!</translation>
    </message>
    <message>
        <source>! %1 بايد عددي بيشتر از صفر باشد</source>
        <translation>%1 must be a number greater than zero!</translation>
    </message>
    <message>
        <source>! تعداد چاهک هاي مثبت بيشتر از %1 چاهک سيني است</source>
        <translation>More positive wells than the tray&apos;s %1 wells!</translation>
    </message>
    <message>
        <source>! تعداد چاهک هاي بزرگ مثبت بيشتر از %1 چاهک بزرگ سيني است</source>
        <translation>More positive large wells than the tray&apos;s %1 large wells!</translation>
    </message>
    <message>
        <source>! تعداد چاهک هاي کوچک مثبت بيشتر از %1 چاهک کوچک سيني است</source>
        <translation>More positive small wells than the tray&apos;s %1 small wells!</translation>
    </message>
    <message>
        <source>! گروه %1 بيشتر از %2 چاهک دارد</source>
        <translation>Group %1 has more than %2 wells!</translation>
    </message>
    <message>
        <source>! هيچ گروهي از چاهک ها وارد نشده است</source>
        <translation>No group of wells has been entered!</translation>
    </message>
    <message>
        <source>! تعداد گروه ها بيشتر از %1 است</source>
        <translation>More than %1 groups!</translation>
    </message>
    <message>
        <source>! هيچ چاهکي در گروه ها نيست</source>
        <translation>The groups hold no wells!</translation>
    </message>
    <message>
        <source>! حجم چاهک هاي گروه ها براي محاسبه بيش از حد با هم فاصله دارد</source>
        <translation>The groups&apos; well volumes are too far apart to be calculated!</translation>
    </message>
    <message>
        <source>درستنمايي نسبي</source>
        <translation>Relative likelihood</translation>
    </message>
    <message>
        <source>MPN در 100 ميلي ليتر (مقياس لگاريتمي)</source>
        <translation>The groups&apos; well volumes are too far apart to be calculated!</translation>
    </message>
    <message>
        <source>تعداد نمونه ها: %1</source>
        <translation>Samples: %1</translation>
    </message>
    <message>
        <source>ميانگين هندسي در 100 ميلي ليتر: %1</source>
        <translation>Geometric mean per 100 mL: %1</translation>
    </message>
    <message>
        <source>صدک 90 لگ نرمال در 100 ميلي ليتر: %1</source>
        <translation>Log-normal 90th percentile per 100 mL: %1</translation>
    </message>
    <message>
        <source>صدک 95 لگ نرمال در 100 ميلي ليتر: %1</source>
        <translation>Log-normal 95th percentile per 100 mL: %1</translation>
    </message>
    <message>
        <source>ميانه در 100 ميلي ليتر: %1</source>
        <translation>Median per 100 mL: %1</translation>
    </message>
    <message>
        <source>کمترين مقدار در 100 ميلي ليتر: %1</source>
        <translation>Minimum per 100 mL: %1</translation>
    </message>
    <message>
        <source>بيشترين مقدار در 100 ميلي ليتر: %1</source>
        <translation>Maximum per 100 mL: %1</translation>
    </message>
    <message>
        <source>حد مجاز در 100 ميلي ليتر: %1</source>
        <translation>Limit per 100 mL: %1</translation>
    </message>
    <message>
        <source>تعداد نمونه هاي بالاتر از حد: %1</source>
        <translation>Samples above the limit: %1</translation>
    </message>
    <message>
        <source>برآورد مقايسه شده با حد در 100 ميلي ليتر: %1</source>
        <translation>Estimate compared with the limit, per 100 mL: %1</translation>
    </message>
    <message>
        <source>حدود اطمينان مقايسه شده با حد در 100 ميلي ليتر: %1</source>
        <translation>Confidence limits compared with the limit, per 100 mL: %1</translation>
    </message>
    <message>
        <source>آماره: %1</source>
        <translation>Statistic: %1</translation>
    </message>
    <message>
        <source>تک نمونه</source>
        <translation>Single sample</translation>
    </message>
    <message>
        <source>ميانگين هندسي</source>
        <translation>Geometric mean</translation>
    </message>
    <message>
        <source>صدک 90</source>
        <translation>90th percentile</translation>
    </message>
    <message>
        <source>صدک 95</source>
        <translation>95th percentile</translation>
    </message>
    <message>
        <source>مطابق با حد مجاز</source>
        <translation>Complies with the limit</translation>
    </message>
    <message>
        <source>مغاير با حد مجاز</source>
        <translation>Does not comply with the limit</translation>
    </message>
    <message>
        <source>بي نتيجه</source>
        <translation>Inconclusive</translation>
    </message>
    <message>
        <source>قاعده تصميم: پذيرش ساده، برآورد با حد مقايسه شد</source>
        <translation>Decision rule: simple acceptance, the estimate compared with the limit</translation>
    </message>
    <message>
        <source>قاعده تصميم: پذيرش محافظت شده، حدود اطمينان با حد مقايسه شد</source>
        <translation>Decision rule: guarded, the confidence limits compared with the limit</translation>
    </message>
    <message>
        <source>نمونه هاي بدون لوله مثبت، شمرده شده با حد تشخيص خود: %1</source>
        <translation>Samples with every tube negative, counted at their detection limit: %1</translation>
    </message>
    <message>
        <source>نمونه هاي بدون لوله مثبت، شمرده شده با نصف حد تشخيص خود: %1</source>
        <translation>Samples with every tube negative, counted at half their detection limit: %1</translation>
    </message>
    <message>
        <source>نمونه هاي با همه لوله هاي مثبت، شمرده شده با بيشترين مقدار محدود خود و علامت خورده؛ مقدار واقعي بيشتر است: %1</source>
        <translation>Samples with every tube positive, counted at their highest finite value and flagged; the true value is higher: %1</translation>
    </message>
    <message>
        <source>نمونه هاي کنار گذاشته، سري تک لوله اي بدون حد تشخيص: %1</source>
        <translation>Samples left out, one-tube series without a detection limit: %1</translation>
    </message>
    <message>
        <source>.صدک ها دست کم به دو نمونه نياز دارند</source>
        <translation>The percentiles need at least two samples.</translation>
    </message>
    <message>
        <source>.در اين دوره نمونه اي نيست</source>
        <translation>There are no samples in this period.</translation>
    </message>
    <message>
        <source>.برآورد فقط کران پايين است؛ مطابقت با حد را نمي توان نتيجه گرفت</source>
        <translation>The estimate is only a lower bound; compliance with the limit cannot be concluded.</translation>
    </message>
    <message>
        <source>.نمونه ها براي حدود اطمينان اين آماره کافي نيست</source>
        <translation>Too few samples for the confidence limits of this statistic.</translation>
    </message>
    <message>
        <source>.حدود اطمينان ميانگين هندسي: فاصله t ميانگين لگاريتم ها</source>
        <translation>Confidence limits of the geometric mean: t interval of the mean of the logarithms.</translation>
    </message>
    <message>
        <source>.حدود اطمينان صدک: ضريب تلرانس توزيع نرمال لگاريتم ها، تقريب ناترلا</source>
        <translation>Confidence limits of the percentile: normal tolerance factor of the logarithms, Natrella&apos;s approximation.</translation>
    </message>
    <message>
        <source>.هر نمونه با حدود اطمينان خود سنجيده شد</source>
        <translation>Each sample was judged by its own confidence limits.</translation>
    </message>
    <message>
        <source>نمونه هاي %1 در طول زمان</source>
        <translation>Samples of %1 over time</translation>
    </message>
    <message>
        <source>نمونه ها</source>
        <translation>Samples</translation>
    </message>
    <message>
        <source>بدون لوله مثبت</source>
        <translation>Every tube negative</translation>
    </message>
    <message>
        <source>همه لوله ها مثبت، کران پايين</source>
        <translation>Every tube positive, a lower bound</translation>
    </message>
    <message>
        <source>حد مجاز</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>ميانگين هندسي متحرک %1 روزه</source>
        <translation>%1-day rolling geometric mean</translation>
    </message>
    <message>
        <source>گزارش نمونه هاي محل نمونه برداري در طول زمان</source>
        <translation>Samples of a sampling site over time</translation>
    </message>
    <message>
        <source>محل نمونه برداري</source>
        <translation>Sampling site</translation>
    </message>
    <message>
        <source>از تاريخ</source>
        <translation>From</translation>
    </message>
    <message>
        <source>تا تاريخ</source>
        <translation>To</translation>
    </message>
    <message>
        <source>نخستين نمونه</source>
        <translation>The first sample</translation>
    </message>
    <message>
        <source>آخرين نمونه</source>
        <translation>The last sample</translation>
    </message>
    <message>
        <source>آمار محل در اين دوره</source>
        <translation>The site&apos;s statistics over the period</translation>
    </message>
    <message>
        <source>مطابقت با حد مجاز</source>
        <translation>Conformity with the limit</translation>
    </message>
    <message>
        <source>يادداشت ها</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>نمودار نمونه ها</source>
        <translation>Chart of the samples</translation>
    </message>
    <message>
        <source>مطابقت با حد مجاز %1 در 100 ميلي ليتر</source>
        <translation>Conformity with the limit of %1 per 100 mL</translation>
    </message>
    <message>
        <source>سند اعتبارسنجي Tubewise</source>
        <translation>Tubewise validation record</translation>
    </message>
    <message>
        <source>.جدول هاي منتشر شده MPN که در برنامه هست در اين نصب دوباره محاسبه و با دقت چاپي هر جدول مقايسه شده است</source>
        <translation>The published MPN tables built into the program, recomputed on this installation and compared at each table&apos;s printed precision.</translation>
    </message>
    <message>
        <source>برنامه</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>بازبيني منبع</source>
        <translation>Source revision</translation>
    </message>
    <message>
        <source>کامپايلر</source>
        <translation>Compiler</translation>
    </message>
    <message>
        <source>نسخه Qt در ساخت و در اجرا</source>
        <translation>Qt version, built and running</translation>
    </message>
    <message>
        <source>تاريخ ساخت</source>
        <translation>Build date</translation>
    </message>
    <message>
        <source>سيستم عامل</source>
        <translation>Operating system</translation>
    </message>
    <message>
        <source>تاريخ و زمان بررسي</source>
        <translation>Checked at</translation>
    </message>
    <message>
        <source>جدول ها</source>
        <translation>Tables</translation>
    </message>
    <message>
        <source>جدول</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>بررسي شده</source>
        <translation>Checked</translation>
    </message>
    <message>
        <source>موافق</source>
        <translation>Agreed</translation>
    </message>
    <message>
        <source>همه جدول ها</source>
        <translation>All tables</translation>
    </message>
    <message>
        <source>اختلاف ها</source>
        <translation>Differences</translation>
    </message>
    <message>
        <source>اختلافي نيست</source>
        <translation>None</translation>
    </message>
    <message>
        <source>چاپ شده</source>
        <translation>printed</translation>
    </message>
    <message>
        <source>محاسبه شده</source>
        <translation>computed</translation>
    </message>
    <message>
        <source>نتيجه: هر مقدار بررسي شده موافق است يا اختلافش دليل دارد (%1)</source>
        <translation>Result: every value checked agrees or differs for the reason given (%1)</translation>
    </message>
    <message>
        <source>نتيجه: رد شد؛ اختلافي بي دليل در بالا آمده است (%1)</source>
        <translation>Result: FAILED; a difference without a known reason is listed above (%1)</translation>
    </message>
    <message>
        <source>امضا</source>
        <translation>Signature</translation>
    </message>
    <message>
        <source>.%1، %2؛ برآورد دقيق را گزارش کنيد</source>
        <translation>%1, %2; report the exact estimate.</translation>
    </message>
    <message>
        <source>طرح آزمون</source>
        <translation>Test design</translation>
    </message>
    <message>
        <source>%1: بيشترين تعداد احتمالي %2 در 100 ميلي ليتر</source>
        <translation>%1: MPN %2 per 100 mL</translation>
    </message>
    <message>
        <source>تعداد در 100 ميلي ليتر (مقياس لگاريتمي)</source>
        <translation>Number per 100 mL (log scale)</translation>
    </message>
    <message>
        <source>درست نمايي نسبي</source>
        <translation>Relative likelihood</translation>
    </message>
    <message>
        <source>دفتر نمونه ها</source>
        <translation>Sample register</translation>
    </message>
    <message>
        <source>.نمونه با شماره %1 در دفتر ثبت شد</source>
        <translation>The sample was saved in the register as record %1.</translation>
    </message>
    <message>
        <source>.اصلاح رکورد %1 در دفتر ثبت شد</source>
        <translation>The correction of record %1 was saved in the register.</translation>
    </message>
    <message>
        <source>! نمونه در دفتر ثبت نشد؛ نتيجه روي صفحه مي ماند</source>
        <translation>The sample was not saved in the register; the result stays on screen!</translation>
    </message>
    <message>
        <source>! دفتر نمونه ها باز نشد</source>
        <translation>The sample register could not be opened!</translation>
    </message>
    <message>
        <source>! شناسه نمونه را بنويسيد</source>
        <translation>Type the sample ID!</translation>
    </message>
    <message>
        <source>! تاريخ و ساعت را به شکل YYYY-MM-DD HH:MM بنويسيد</source>
        <translation>Type dates and times as YYYY-MM-DD HH:MM!</translation>
    </message>
    <message>
        <source>! زمان دريافت پيش از زمان نمونه برداري است</source>
        <translation>The sample is received before it was taken!</translation>
    </message>
    <message>
        <source>! خانه هاي جدول پس از محاسبه تغيير کرده اند؛ دوباره محاسبه کنيد</source>
        <translation>The grid has been changed since the calculation; calculate again!</translation>
    </message>
    <message>
        <source>! دليل اصلاح را بنويسيد</source>
        <translation>Type the reason for the correction!</translation>
    </message>
    <message>
        <source>! زمان نگهداري نمونه از حد گذشته است</source>
        <translation>Holding time exceeded!</translation>
    </message>
    <message>
        <source>اصلاح رکورد %1</source>
        <translation>Correction of record %1</translation>
    </message>
    <message>
        <source>! رکورد از دفتر خوانده نشد</source>
        <translation>The record could not be read from the register!</translation>
    </message>
    <message>
        <source>! اين رکورد سري لوله نيست و در جدول باز نمي شود</source>
        <translation>This record is not a tube series and cannot be opened in the grid!</translation>
    </message>
    <message>
        <source>! فايل CSV ذخيره نشد</source>
        <translation>The CSV file was not saved!</translation>
    </message>
    <message>
        <source>رکورد %1، نسخه %2</source>
        <translation>Record %1, version %2</translation>
    </message>
    <message>
        <source>شماره</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>نسخه</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>شناسه نمونه</source>
        <translation>Sample ID</translation>
    </message>
    <message>
        <source>محل</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>نمونه برداري</source>
        <translation>Sampled</translation>
    </message>
    <message>
        <source>دريافت</source>
        <translation>Received</translation>
    </message>
    <message>
        <source>MPN در 100 ميلي ليتر</source>
        <translation>MPN per 100 mL</translation>
    </message>
    <message>
        <source>زمان نگهداري</source>
        <translation>Holding time</translation>
    </message>
    <message>
        <source>از حد گذشته</source>
        <translation>EXCEEDED</translation>
    </message>
    <message>
        <source>ورودي ها</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>نتايج</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>نسخه ها</source>
        <translation>Versions</translation>
    </message>
    <message>
        <source>دليل</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>! محل نمونه برداري را انتخاب کنيد</source>
        <translation>Choose a sampling site!</translation>
    </message>
    <message>
        <source>! تاريخ را به شکل YYYY-MM-DD بنويسيد</source>
        <translation>Type the date as YYYY-MM-DD!</translation>
    </message>
    <message>
        <source>! تاريخ آغاز پس از تاريخ پايان است</source>
        <translation>The first day is after the last day!</translation>
    </message>
    <message>
        <source>! تعداد را عددي درست از 1 تا 100000 بنويسيد</source>
        <translation>Type the count as a whole number from 1 to 100000!</translation>
    </message>
    <message>
        <source>! حد مجاز را عددي بزرگتر از صفر بنويسيد</source>
        <translation>Type the limit as a number above 0!</translation>
    </message>
    <message>
        <source>! روزهاي ميانگين متحرک را عددي درست از 1 تا 100000 بنويسيد</source>
        <translation>Type the rolling mean days as a whole number from 1 to 100000!</translation>
    </message>
    <message>
        <source>! نام حد را بنويسيد</source>
        <translation>Type a name for the limit!</translation>
    </message>
    <message>
        <source>! حدها در تنظيمات برنامه ذخيره نشد</source>
        <translation>The limits could not be kept in the program&apos;s settings!</translation>
    </message>
    <message>
        <source>رکوردهاي بدون زمان نمونه برداري، کنار گذاشته: %1</source>
        <translation>Records without a sampling time, left out: %1</translation>
    </message>
    <message>
        <source>رکوردهايي که ورودي آنها نمونه نمي دهد، کنار گذاشته: %1</source>
        <translation>Records whose inputs give no sample, left out: %1</translation>
    </message>
    <message>
        <source>از: %1</source>
        <translation>From: %1</translation>
    </message>
    <message>
        <source>تا: %1</source>
        <translation>To: %1</translation>
    </message>
    <message>
        <source>تعداد نمونه ها</source>
        <translation>Samples</translation>
    </message>
    <message>
        <source>تعداد روزها</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>آمار محل</source>
        <translation>Site statistics</translation>
    </message>
    <message>
        <source>نمودار نمونه هاي محل</source>
        <translation>Chart of the site&apos;s samples</translation>
    </message>
    <message>
        <source>! دفتر نمونه ها باز نيست</source>
        <translation>No sample register is open!</translation>
    </message>
    <message>
        <source>محل هاي نمونه برداري دفتر نمونه ها</source>
        <translation>The sample register&apos;s sampling sites</translation>
    </message>
    <message>
        <source>نوع دوره: بازه تاريخ، آخرين نمونه ها يا روزهاي اخير</source>
        <translation>Kind of period: a date range, the last samples or recent days</translation>
    </message>
    <message>
        <source>حدهاي ذخيره شده، يا بدون حد</source>
        <translation>Saved limits, or no limit</translation>
    </message>
    <message>
        <source>آماره اي که با حد مقايسه مي شود</source>
        <translation>The statistic compared with the limit</translation>
    </message>
    <message>
        <source>قاعده تصميم مطابقت با حد</source>
        <translation>Decision rule of conformity with the limit</translation>
    </message>
    <message>
        <source>شمارش نمونه هاي بدون لوله مثبت</source>
        <translation>How samples with every tube negative count</translation>
    </message>
</context>
</TS>
