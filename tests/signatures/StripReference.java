// Writes signature texts together with what the Java platform's own java.io.StreamTokenizer
// makes of them under Quorvane's stripping rules, so that the C++ stripping can be checked
// line by line against the platform (strip_platform_check.cpp reads the file).
//
// usage: java StripReference.java OUTPUT-FILE
//
// Texts: the signature texts of the public members of a few hundred classes of the running
// JDK (Method.toString and Constructor.toString), then hand-picked and generated tricky texts.
// Each output line holds four fields separated by a tab: the text, its tokens (separated by
// U+001F), the stripped text and the qualifier. In every field a backslash is written as two
// and U+0000 to U+001F and U+007F as a backslash, "u" and four hex digits, so that no field
// holds a raw tab, line break or U+001F. The file is UTF-8.

import java.io.BufferedWriter;
import java.io.IOException;
import java.io.StreamTokenizer;
import java.io.StringReader;
import java.lang.reflect.Constructor;
import java.lang.reflect.Method;
import java.net.URI;
import java.nio.charset.StandardCharsets;
import java.nio.file.FileSystem;
import java.nio.file.FileSystems;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.List;
import java.util.Random;
import java.util.stream.Collectors;
import java.util.stream.Stream;

public class StripReference {

    // ---- The stripping, on top of the platform's tokenizer ----

    static StringBuffer sbq;
    private final StreamTokenizer st;

    StripReference(String text) {
        st = new StreamTokenizer(new StringReader(text));
        st.ordinaryChar(' ');
        sbq = new StringBuffer("");
    }

    String getNext() {
        try {
            int kind = st.nextToken();
            if (kind == StreamTokenizer.TT_EOF)
                return null;
            if (kind == StreamTokenizer.TT_WORD)
                return new String(st.sval);
            if (kind == StreamTokenizer.TT_NUMBER)
                return String.valueOf(st.nval);
            return String.valueOf((char) kind);
        } catch (IOException e) {
            return null;
        }
    }

    // Strips the text; the tokens read on the way are left in tokens.
    static String strip(String text, List<String> tokens) {
        StripReference s = new StripReference(text);
        sbq.setLength(0);
        String q = "";
        int p = text.lastIndexOf('(');
        if (p > 0) {
            String t = text.substring(0, p);
            int dot = t.lastIndexOf('.');
            if (dot >= 0 && dot != t.length() - 1)
                t = t.substring(0, dot);
            int blank = t.lastIndexOf(' ');
            if (blank >= 0)
                q = t.substring(blank + 1);
        }
        StringBuilder r = new StringBuilder();
        String token;
        while ((token = s.getNext()) != null) {
            tokens.add(token);
            int dot = token.lastIndexOf('.');
            r.append(dot >= 0 ? token.substring(dot + 1) : token);
        }
        sbq.append(q);
        return r.toString();
    }

    static String getQualifier() {
        return sbq.toString();
    }

    // ---- The texts ----

    // Packages whose classes are reflected, with the module that holds them.
    static final String[][] PACKAGES = {
        {"java.base", "java/lang"}, {"java.base", "java/util"}, {"java.base", "java/io"},
        {"java.base", "java/util/concurrent"}, {"java.base", "java/math"}, {"java.base", "java/net"},
        {"java.base", "java/time"}, {"java.desktop", "java/awt"}, {"java.desktop", "javax/swing"},
        {"java.desktop", "javax/swing/text"}, {"java.sql", "java/sql"},
    };
    static final int CLASSES_PER_PACKAGE = 40;

    static List<String> reflectedTexts() throws IOException {
        List<String> texts = new ArrayList<>();
        FileSystem jrt = FileSystems.getFileSystem(URI.create("jrt:/"));
        List<String> names = new ArrayList<>();
        for (String[] pkg : PACKAGES) {
            Path dir = jrt.getPath("/modules", pkg[0], pkg[1]);
            if (!Files.isDirectory(dir))
                continue;
            try (Stream<Path> files = Files.list(dir)) {
                files.map(f -> f.getFileName().toString())
                     .filter(f -> f.endsWith(".class") && !f.contains("-"))
                     .sorted()
                     .limit(CLASSES_PER_PACKAGE)
                     .forEach(f -> names.add(pkg[1].replace('/', '.') + "." + f.substring(0, f.length() - 6)));
            }
        }
        names.add("java.util.Map$Entry");
        names.add("javax.swing.text.DefaultEditorKit$CopyAction");
        names.add("javax.swing.JTable");
        ClassLoader loader = ClassLoader.getSystemClassLoader();
        for (String name : names) {
            try {
                Class<?> c = Class.forName(name, false, loader);
                for (Constructor<?> k : c.getConstructors())
                    texts.add(k.toString());
                for (Method m : c.getMethods())
                    texts.add(m.toString());
            } catch (Throwable e) {
                // Not loadable here (for example a class that needs a missing module): skip it.
            }
        }
        return texts;
    }

    static final String[] HAND_PICKED = {
        "", "noparen", "(int)", " (int)", "-", "-.", ".", "..", "...", "1.2.3", "-0", "-0.0", "0",
        "1.", "1..2", "-.5.5", "--5", "- 5", "5-5", "a5-5", "a.5", ".a", "-a", "a-", "a.-b",
        "0x1F", "007", "1e5", "1E-5", "a 2 b", "x 12.5 y", "a - b", "a\tb", "a\nb", "a\rb", "a\0b",
        "public Foo()", "public void Foo.bar(int)", "public Foo.()", "public x.(int)",
        "public abstract java.lang.Object java.util.Map$Entry.getKey()",
        "public org.omg.CosNaming._NamingContextStub()",
        "public javax.swing.text.DefaultEditorKit$CopyAction()",
        "public static java.lang.Object[][] a.b.C.m(java.util.Map$Entry[],int[][])",
        "public static java.lang.String java.lang.String.valueOf(char[],int,int)",
        "public java.lang.String(byte[],int,int,java.lang.String) throws java.io.UnsupportedEncodingException",
        "a 'b c' d", "a 'b c", "a \"b c\" d", "a \"b\\\"c\" d", "a 'b\nc' d", "a 'b\\\nc' d",
        "a 'b\rc' d", "a 'b\\\r\nc' d", "a 'b\\", "a '\\'", "'", "\"", "\\", "'\\", "\"'\"'",
        "a '\\123' b", "a '\\4567' b", "a '\\0' b", "a '\\9' b", "a \"\\'\" b",
        "x / comment (int)\ny", "x/", "/", "//", "a/b/c\rd", "a/'b\nc'd", "a'/'b", "f(int)/g(long)",
        "\u0080\u0085\u009f\u00a0\u00ff\u0100", "caf\u00e9.cr\u00e8me(int)", "\u00e9t\u00e9-1.5",
        "x\u0085y", "\u4e2d.\u6587(\u5b57)", "\ud83d\ude00.x(y)", "a\ud83d\ude00b.c", "\ue000\uffff.z",
        "a\u007fb", "\u00a05", "5\u00a0", "$5", "_5", "a_b$c.d(e)",
        "9999999", "10000000", "9999999.5", "0.001", "0.00099", "0.0001", "123456789",
        "12345678901234567890", "0.1", "0.2", "0.3", "1.1", "2.675", "100", "1000000000000000000000",
        "10000000000000000000000", "100000000000000000000000",
    };

    static final String[] FRAGMENTS = {
        "java.lang.String", "java.util.Map$Entry", "a", "Z", "x.y", "_", "$", " ", " ", "(", ")",
        ",", "[]", ".", "..", "-", "--", "0", "7", "12", "3.25", ".5", "-.5", "-0", "e5",
        "123456789", "0.001", "0.0001", "9999999", "10000000", "'", "\"", "\\", "/", "\n", "\r",
        "\r\n", "\t", "\0", "\037", "\177", "\u0080", "\u0085", "\u009f", "\u00a0", "\u00e9",
        "\u00ff", "\u0100", "\u4e2d", "\ud83d\ude00", "\ue000", "\ufffd", "throws", "int",
    };

    static String digits(Random random, int count) {
        StringBuilder b = new StringBuilder();
        for (int i = 0; i < count; i++)
            b.append((char) ('0' + random.nextInt(10)));
        return b.toString();
    }

    // A number in one of many forms: sign, digits, point, fraction, of all lengths.
    static String number(Random random) {
        StringBuilder b = new StringBuilder();
        if (random.nextInt(4) == 0)
            b.append('-');
        int form = random.nextInt(6);
        int scale = form == 5 ? 40 : 20;
        b.append(digits(random, random.nextInt(scale)));
        if (form != 0) {
            b.append('.');
            if (form == 4)
                b.append("0".repeat(random.nextInt(12)));
            b.append(digits(random, random.nextInt(scale)));
        }
        return b.toString();
    }

    static List<String> generatedTexts() {
        List<String> texts = new ArrayList<>(List.of(HAND_PICKED));
        // Extremes of the digit arithmetic: overflow to infinity, 0/infinity, infinity/infinity,
        // subnormal results, and powers of ten around the plain notation bounds.
        texts.add("9".repeat(400));
        texts.add("-" + "9".repeat(400));
        texts.add("." + "1".repeat(400));
        texts.add("." + "0".repeat(307) + "1");
        texts.add("." + "0".repeat(308) + "1");
        texts.add("." + "0".repeat(400) + "1");
        texts.add("1" + "0".repeat(308) + ".5");
        for (int k = 0; k <= 25; k++) {
            texts.add("1" + "0".repeat(k));
            texts.add("." + "0".repeat(k) + "1");
            texts.add("." + "0".repeat(k) + "15");
            texts.add("9".repeat(k + 1) + "." + "9".repeat(k));
        }
        Random random = new Random(20240531L);
        for (int n = 0; n < 300; n++)
            texts.add(number(random));
        for (int n = 0; n < 400; n++) {
            StringBuilder b = new StringBuilder();
            int count = random.nextInt(16);
            for (int i = 0; i < count; i++)
                b.append(random.nextInt(5) == 0 ? number(random) : FRAGMENTS[random.nextInt(FRAGMENTS.length)]);
            texts.add(b.toString());
        }
        return texts;
    }

    // ---- The file ----

    static String escape(String s) {
        StringBuilder b = new StringBuilder(s.length());
        for (int i = 0; i < s.length(); i++) {
            char c = s.charAt(i);
            if (c == '\\')
                b.append("\\\\");
            else if (c < 0x20 || c == 0x7f)
                b.append(String.format("\\u%04x", (int) c));
            else
                b.append(c);
        }
        return b.toString();
    }

    public static void main(String[] args) throws IOException {
        if (args.length != 1) {
            System.err.println("usage: java StripReference.java OUTPUT-FILE");
            System.exit(2);
        }
        List<String> texts = reflectedTexts();
        int reflected = texts.size();
        texts.addAll(generatedTexts());
        try (BufferedWriter out = Files.newBufferedWriter(Paths.get(args[0]), StandardCharsets.UTF_8)) {
            for (String text : texts) {
                List<String> tokens = new ArrayList<>();
                String stripped = strip(text, tokens);
                out.write(escape(text) + "\t"
                          + tokens.stream().map(StripReference::escape).collect(Collectors.joining("\037")) + "\t"
                          + escape(stripped) + "\t" + escape(getQualifier()) + "\n");
            }
        }
        System.out.println("StripReference: " + reflected + " reflected and " + (texts.size() - reflected)
                           + " generated texts");
    }
}
