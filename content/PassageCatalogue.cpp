#include "content/PassageCatalogue.h"

#include <array>

namespace {
// One paragraph each, printable ASCII only: a dash is "---" and quotation marks are a
// backquote and an apostrophe, so every character has a key of its own on the keyboard.
constexpr std::array<const char*, PassageCount> Passages{
    // 01
    "Thou hast made me endless, and yet I forget it each morning when I wake and count my "
    "small tasks like pebbles in my palm. Then thou comest quietly in through the open window "
    "with the first light, and the pebbles turn to seeds. I plant them in the soft earth of "
    "the day, not knowing what will grow. By evening a small green shoot stands where I "
    "thought there was only dust. O Gardener of my hours, teach me to trust the dark soil of "
    "waiting, and to greet each sunrise as a door that thou hast left open for me.",
    // 02
    "When thou commandest me to sing, I stand up shy as a child at the school gate, holding "
    "my little tune behind my back. I fear that it is too plain, that the birds of thy garden "
    "have sweeter notes than mine. But thou waitest, smiling, and the waiting itself gives me "
    "courage. So I open my hands and let the tune fly out, crooked and small. It wobbles over "
    "the hedges, it brushes the tops of the wheat, and somewhere far off a tired traveller "
    "lifts his head to listen. Then I know that no song is too humble for thy road, and that "
    "thy command was a kindness all along.",
    // 03
    "I know not how thou singest, yet I hear thee in the rain that taps upon the roof, in the "
    "kettle humming on the stove, and in the laughter of children running home from school in "
    "the late afternoon. Thy voice has no single place; it is a river that flows under every "
    "sound. I have tried to follow it with my pen and lost it at the first bend. Now I only "
    "sit still and let it pass through me, as wind passes through an open barn, leaving the "
    "smell of hay and summer behind.",
    // 04
    "Life of my life, I shall not hurry today. I shall walk the long way round the pond and "
    "watch the ducks draw silver lines across the water. I shall answer gently when I am "
    "asked the same question twice, and I shall share my bread with the sparrow that waits on "
    "the wall. These are small things, I know, but thou hast hidden thyself in small things, "
    "as a pearl hides in a plain grey shell. Let me open each hour with care, and find thee "
    "waiting there, patient and bright, at the heart of the ordinary day.",
    // 05
    "I ask for a moment's indulgence, only one, before the bell rings and the busy hours "
    "carry me away. Let me stand at the window while the mist lifts from the hills and the "
    "rooftops turn from blue to gold. Let me hear the baker's cart rattle down the lane and "
    "the first bee of summer knock softly against the glass. I will not ask thee for more "
    "than this today. A single breath of quiet is enough to fill my cup, and with that cup I "
    "can walk the whole long day without thirst, remembering that thou wert near.",
    // 06
    "Pluck this little flower and take it home with thee, though it is only a daisy from the "
    "path. It has no perfume worth speaking of, and its petals are a little torn by "
    "yesterday's wind. Yet it opened its face to the sun as bravely as any rose. Put it in a "
    "cup of water on thy table, and when thou seest it, think of me, who also have nothing "
    "grand to give but this bright and willing heart.",
    // 07
    "My song has put off her heavy boots and walks barefoot in the grass. She no longer "
    "marches to be seen; she wanders, humming, where the clover grows. I used to dress her in "
    "long words and rhymes, and she stumbled under their weight. Now she is light, and she "
    "runs ahead of me to the river, and when I catch up she is sitting on a stone, waiting, "
    "with thy name upon her lips.",
    // 08
    "The child who is decked with ribbons for the village fair stands very still in the "
    "doorway, afraid to spoil her new clothes. Her friends are already racing down the hill, "
    "their knees green with grass, their voices like bells. `Come on!' they shout, but she "
    "only waves. O Friend, do not let me grow so careful of my fine things that I forget to "
    "run. Let me tumble and laugh and come home muddy, with a pocket full of chestnuts and a "
    "heart that has truly played.",
    // 09
    "O Fool, try to carry thyself across the stream in one leap, and see how thou fallest in "
    "the water with all thy bundles. Why not set them down on the bank? The stream is shallow "
    "and the stones are kind. Take off thy shoes, roll up thy sleeves, and walk slowly. The "
    "far side will wait. Those who love thee are already there, laughing gently, holding out "
    "a dry towel.",
    // 10
    "Here is thy footstool and there is the low chair by the fire where the old shepherd sits "
    "to warm his hands. I looked for thee in the great hall with its tall candles, but the "
    "hall was cold and empty. Then I heard a tune from the kitchen, and I found thee among "
    "the pots and the peelings, helping the youngest maid to carry water from the well. "
    "Forgive me, Lord, for looking so high and so far away. Teach me to bow my head, and I "
    "shall find thee always at the level of the humble.",
    // 11
    "Leave this chanting and singing and come out into the morning with me. The doors have "
    "been shut too long, and the candles have burned down to little pools of wax. Outside, "
    "the baker is already kneading dough with flour up to his elbows, the fisherman is "
    "mending his nets on the quay, and the nurse is walking home after a long night of "
    "watching. Is not thy Lord with them? Does he not knead beside the baker and tie knots "
    "with the fisherman? Does he not walk the quiet streets beside the tired nurse, holding "
    "the lantern for her? Put down thy book for a while. Take up a spade or a bucket or a "
    "basket of bread. Walk among the people who work, and help where thou canst. There thou "
    "wilt hear a hymn older than any written word---the steady music of hands that serve, "
    "rising quietly to the sky.",
    // 12
    "The time that my journey takes I cannot measure with any clock. Some days I cover a "
    "hundred miles and arrive nowhere; some days I sit on a single step and travel further "
    "than the stars. When I was young I thought the road was straight and marked with "
    "milestones, and I counted them proudly as I passed. Now I see that it winds like a vine "
    "around a tree, climbing and turning and coming back to the same branch with new eyes. I "
    "have crossed deserts where no bird sang and green valleys loud with waterfalls and bees. "
    "I have lost my map and my way more times than I can tell. Yet I am learning that the "
    "road is not a price I pay to reach thee; it is thy hand in mine, and every stone of it "
    "is still warm where thou hast walked before me.",
    // 13
    "The song that I came to learn is not written in any book on my shelf. I have looked for "
    "it in libraries and in the notes of famous teachers, and I have found only its echo. I "
    "think it lives in simpler places: in the creak of the gate when my brother comes home, "
    "in my mother's voice calling the hens, in the hush of the classroom just before the "
    "first lesson begins. Each day I catch a line of it, and each night I forget half of what "
    "I caught. Still, the tune grows in me slowly, like a tree that adds one ring a year. "
    "Perhaps when I am old and grey I shall be able to sing it all the way through, just "
    "once, for thee.",
    // 14
    "My desires are many and my pockets are small. I wanted the red kite in the shop window, "
    "the fastest bicycle in the street, the prize at the end of the year. I asked thee for "
    "each of them, loudly, and thou didst not answer in the way I hoped. At the time I sulked "
    "and kicked the stones all the way home. But the kite would have torn in the first storm, "
    "and the bicycle would have carried me past the slow, kind old man who taught me the "
    "names of the birds. Now I see that thy silence was a kind of gift, a door kept closed so "
    "that I might find a better one. Teach me to want less and to notice more, and to be glad "
    "of what is already in my hands.",
    // 15
    "I am here to sing thee a morning song, though my voice is still rough with sleep. The "
    "kettle is not yet boiling, the cat is still curled on the chair, and the sky is the "
    "colour of milk. Let this be my first word of the day: thank you. Thank you for the warm "
    "bread, for the cold water, for the friends who will call my name in the yard. I will "
    "carry this little tune with me until evening.",
    // 16
    "I have had my invitation to the harvest supper, written in my neighbour's careful hand. "
    "I have washed my face and combed my hair, and I carry a basket of plums from our tree. I "
    "am not a guest of honour; I shall sit at the end of the long table. But the lamps will "
    "be lit for me too, and when the fiddler plays, I shall dance.",
    // 17
    "I am only waiting for love to knock, and so I keep the lamp trimmed and the kettle full. "
    "`What are you doing?' the children next door ask, peering over the garden wall. "
    "`Waiting,' I say, and they laugh and run off to play. Yet I am working too, in my way: I "
    "sweep the step, I water the geraniums, I mend the torn curtain so that the light comes "
    "in clean. I set two cups upon the table. When love arrives I want the house to be ready, "
    "not grand, but warm and open. And if love is slow, I shall wait a little longer, for the "
    "waiting is already a kind of song.",
    // 18
    "Clouds heap upon clouds and it seems the whole sky is leaning down to listen. The "
    "swallows fly low over the meadow, the cows gather under the oak, and the first fat drops "
    "darken the dusty lane. I run to bring the washing in, laughing, my arms full of sheets "
    "that smell of wind. Then I sit by the open door and watch the soft rain silver the whole "
    "world. O Thou who sendest the storm and the sunshine alike, I am not afraid; I know thou "
    "art in both.",
};

bool inRange(int number)
{
    return number >= 1 && number <= PassageCount;
}
} // namespace

QString passageCaption(int number)
{
    if (!inRange(number))
        return {};
    return QStringLiteral("%1_QuorlanGITANJALI_頌歌詩選").arg(number, 2, 10, QLatin1Char('0'));
}

QString PassageText(int number)
{
    if (!inRange(number))
        return QStringLiteral(" ");
    return QString::fromLatin1(Passages[number - 1]) + u' ';
}
