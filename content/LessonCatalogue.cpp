#include "content/LessonCatalogue.h"

#include <array>

namespace {
struct Lesson {
    const char16_t* caption;
    const char* text;
};

// Raw literals keep the backquote, quotes, backslash and bar of lessons 16 to 18 as typed.
constexpr std::array<Lesson, LessonCount> Lessons{{
    {u"01_a_s_l_;_（中列鍵）",
     R"(aa;; ssll ;;ss llaa aass ll;; ssaa ;;ll a;a; slsl ;a;a lsls aall ss;; ;;aa llss sal; las; ;lsa al;s aasl l;sa sall ;asl)"},
    {u"02_d_f_j_k_（中列鍵）",
     R"(ddff kkjj ffjj ddkk ddjj kkff kkdd jjff dkdk fjfj kdkd jfjf fjdk kfjd fkjd dkfj jfkd dkjd kfjk jddf jkdf kdfj fjdf fdkj)"},
    {u"03_g_h_（中列鍵）",
     R"(gghh hhgg ghgh hghg hhgg gghh hghg ghgh gggh hhhg ghhg hggh gghh hhgg ghgh hghg hhgg gghh hghg ghgh gggh hhhg ghhg hggh)"},
    {u"04_中列鍵複習",
     R"(shdgs kflg; kh;hl kl;dd jajdj gssal gffa; jfahk ghfld akhgl jhjkj hdaka sgf;d ;jsf; l;slf gsdka sdakf kldkg ;sf;a lhsjl ;hggj ;sfgj hfddh ajlak fh;jf gsdkl ksgsf hd;;j lkada kfhgg ;slad jalhj)"},
    {u"05_q_w_o_p_（上列鍵）",
     R"(qqpp wwoo qqww oopp ppww ooqq ppqq ooww qwqw opop pqpq owow qwop powq qpwo powp wopq qpow owpq wpoq qoop woop powq owoq)"},
    {u"06_e_r_u_i_（上列鍵）",
     R"(eerr uuii eeii rruu iiee uurr iiee uurr erer uiui eiei ruru iure erui ieru ueri ruie urei ueir iuer eiru ueir ruei uire)"},
    {u"07_t_y_（上列鍵）",
     R"(ttyy yytt ttyy yytt tyty ytyt tyty ytyt yyyt ttty tyyt ytty ttyy yytt ttyy yytt tyty ytyt tyty ytyt yyyt ttty tyyt ytty)"},
    {u"08_上列鍵複習",
     R"(yweoq tytpi ioqoy ieuuo wurpt rqrpr iqepw tweyu qriri ryoty ewuwo wwque yqero oupqt ipupy tpite ryppu errtt ewwpe etury otioi yyiou oqwiq wupqq wurro trwit oyiuy eqewp pewqi uruyt tppqq iooey)"},
    {u"09_z_x_．_／_（下列鍵）",
     R"(zzxx ..// xxzz //.. zz// xx.. //zz ..xx zx./ zx./ /.xz /.xz .z.z /x/x /z/z .x.x xz/. x./z .x/z z/x. .x/z x.z/ /zx/ .x.z)"},
    {u"10_c_v_m_,_（下列鍵）",
     R"(ccvv mm,, cc,, vvmm ccmm ,,vv mmcc vv.. ,,cc mmvv cvm, ,mvc vm,c ,cvm ,vcm m,vc mvmv ,c,c vmc, cm,v c,mv mvc, v,m, c,v,)"},
    {u"11_b_n_（下列鍵）",
     R"(bbnn nnbb bnbn nbnb bbnn nnbb bnbn nbnb bnnb nbbn bbbn nbnn bbnn nnbb bnbn nbnb bbnn nnbb bnbn nbnb bnnb nbbn bbbn nbnn)"},
    {u"12_下列鍵複習",
     R"(bc.zc .v/vn x,mb/ mx,/z ,cn.n ,nzc/ zbbvx .mvxm xc/,/ m..xz cxmx. nbzbc cvnv/ .nbnm vb,/, ,mzvz x/bzv vnm/c vcm.. bnzc. ,n.v, zb/n, bxm,x /zcmx x/mb. vbm,c nv.bz cb/,c m.cvz nv,zx nxm/x /nz.,)"},
    {u"13_三列基本鍵總複習",
     R"(timbg psna/ /adzw znxub ef,l/ wke/l daiqc g,vjs xmwhy .uhid oktlq rq,gl xoud; rzhp. yshpj eq;zj sf;cf nmye, kr.pj fvvgi caotv tnwbo xbmry kcu.; cpxdv utk,b suw/; grqfv lx/.k ls.ho engar ;znpj cwafb oimdi qyy,m ztjeh)"},
    {u"14_大小寫字母混合練習",
     R"(CwfLv iFVsr ygtct nnmrx NuoeM HlZhx lJQhj pIWRz DebPE gjsqp vbTaz SOkou dqKAc fikYm aBXwG yUdxu KjJov hwNDe ZgQzn gyxUb itEuo qOrcn wRbcY jrBLi AzWdk ShCpv PTdMX smFfm qaalV fIsGe Hpykl tFhyI BUsnz DSzqL OirZi Vlefd ppymN wuwgo vMxYW ttGsa CRqum nPbjJ fHhkK vcrQE gXdkc ljxae obTA)"},
    {u"15_數字列十鍵",
     R"(12345 67890 09876 54321 1234 0987 5656 0987 1234 6565 54321 67890 24680 13579 08642 97531 10293 84756 01928 37465 56473 82910 65748 39201)"},
    {u"16_符號鍵",
     R"(`-=[] \;',./ ~!@#$% ^*()_+ {}|:"<>? /.,'; \][=-` +_)(*^ %$#@!~ ?><":|}{ `-=[] \;',./ ~!@#$% ^*()_+ {}|:"<>? /.,'; \][=-` +_)(*^ %$#@!~ ?><":|}{)"},
    {u"17_數字及符號混打練習",
     R"(7-20' $]5>< :3~* 8+,}" 1(6_= 18)46 ^20?| ![4`/ {;%\@ 39#95 7.,>= .}^]4 -\$|( 5@28_ !0512 061:3 ~{+83 77/}% [;'<` ?69* 49"#1 >;9]2 7)8.= (^8~3 )_29@ 4*<-6 :",|6 1?/%$ #+4`\ 00[{ !'7355)"},
    {u"18_綜合練習",
     R"(6vU' tY7(m lIfp? Ahrfy J/rjT )9oqc qiKQ3 gkGdR }By"O Cb5@# .)wcz uaX[! ^0tbL a8=m4 ;dzx+ uP|HF *g$ks n1_-j eW:Mw sS\>V pN~`x E"Dio Z<lvh n%{,e 2hgSb iN.n" 2KQ=I W1tCl ?>m7_ d@a(A -BfO8 T~j9! [;lRo r]uk3 6HZ$< 'LzEx PftUz qpkFV r5w^/ eswgy q\Xye i0)by "vcc4 hJv`u :,{|+ dMn*% apmxj s#oDG})"},
}};

bool inRange(int number)
{
    return number >= 1 && number <= LessonCount;
}
} // namespace

QString lessonCaption(int number)
{
    if (!inRange(number))
        return {};
    return QString::fromUtf16(Lessons[number - 1].caption);
}

QString LessonText(int number)
{
    // The trailing space gives the last group a character after it to type.
    if (!inRange(number))
        return QStringLiteral(" ");
    return QString::fromLatin1(Lessons[number - 1].text) + u' ';
}
