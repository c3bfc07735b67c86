// The member model built from the platform's own reflection by the model's rules, for
// comparison with `quorvane-cli members`, and the JVM side of the members benchmark.
//
// Compiled together with ../platform/ReflectionDump.java (its list of the exported classes)
// and ../signatures/StripReference.java (its stripping on top of java.io.StreamTokenizer):
//
//   javac -d DIR ModelReference.java ../platform/ReflectionDump.java ../signatures/StripReference.java
//   java -cp DIR ModelReference [--search TEXT] [--keys] [--home] (--jdk | NAME...)
//
// NAME is the class-name field's text: trimmed for the look-up, as it is for the model.
// --jdk takes every class of every package exported by the modules the JVM resolved.
// Output as quorvane-cli members writes it: per group "G<TAB>index<TAB>label", with "<TAB>*"
// on the initial group, then "E<TAB>index<TAB>entry" per entry of the group; "# NAME" before
// each block when there are several names. --keys adds "<TAB>key" (the sort key of the
// member's signature text) to every entry line. A class that does not exist gives the line
// "Class not found : NAME"; one the JVM cannot load "! NAME EXCEPTION"; one with more members
// than the window's tables hold "! NAME too many members". --home writes "@home JAVA_HOME"
// first.

import java.io.BufferedWriter;
import java.io.IOException;
import java.io.OutputStreamWriter;
import java.lang.reflect.Constructor;
import java.lang.reflect.Method;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.Comparator;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

public class ModelReference {
    static final int MAX_GROUPS = 100;
    static final int MAX_ENTRIES = 350;
    static final int NAME_WIDTH = 18;

    // One group: its label and its entries with their sort keys, in row order.
    static final class Group {
        String label;
        final List<String> entries = new ArrayList<>();
        final List<String> keys = new ArrayList<>();
    }

    // The member name that orders a signature text: what stands between the last "." before
    // the last "(" and that "(".
    static String key(String text) {
        int paren = text.lastIndexOf('(');
        int dot = text.substring(0, paren).lastIndexOf('.');
        return text.substring(dot + 1, paren);
    }

    // The simple name padded to the name width, two blanks, and the stripped text without its
    // first word.
    static String entry(String stripped) {
        String s = stripped;
        int blank = s.indexOf(' ');
        if (blank > 0)
            s = s.substring(blank + 1);
        String beforeParen = s.substring(0, s.lastIndexOf('('));
        StringBuilder line = new StringBuilder(beforeParen.substring(beforeParen.lastIndexOf(' ') + 1));
        while (line.length() < NAME_WIDTH)
            line.append(' ');
        return line.append("  ").append(s).toString();
    }

    // The groups of the model, or null when the window's tables cannot hold them.
    static List<Group> build(List<String> texts, String search, String field, int[] initial) {
        List<String> kept = new ArrayList<>();
        for (String text : texts)
            if (text.contains(search))
                kept.add(text);
        kept.sort(Comparator.comparing(ModelReference::key));

        Map<String, Group> byQualifier = new LinkedHashMap<>();
        for (String text : kept) {
            String stripped = StripReference.strip(text, new ArrayList<>());
            String qualifier = StripReference.getQualifier();
            Group group = byQualifier.get(qualifier);
            if (group == null) {
                if (byQualifier.size() == MAX_GROUPS)
                    return null;
                group = new Group();
                group.label = qualifier;
                byQualifier.put(qualifier, group);
            }
            if (group.entries.size() == MAX_ENTRIES)
                return null;
            group.entries.add(entry(stripped));
            group.keys.add(key(text));
        }
        List<Group> groups = new ArrayList<>(byQualifier.values());

        // The class's constructors carry its package as qualifier: the package of the last
        // label that holds the field's text.
        String constructors = "";
        for (Group g : groups)
            if (g.label.contains(field))
                constructors = g.label;
        int dot = constructors.lastIndexOf('.');
        if (dot > 0)
            constructors = constructors.substring(0, dot);
        for (Group g : groups)
            if (g.label.equals(constructors))
                g.label = "Constructors";

        initial[0] = 0;
        for (int i = 0; i < groups.size(); i++)
            if (groups.get(i).label.contains(field))
                initial[0] = i;
        return groups;
    }

    static void write(BufferedWriter out, String field, String search, boolean keys) throws IOException {
        String name = field.trim();
        if (name.isEmpty())
            return;
        List<String> texts = new ArrayList<>();
        try {
            Class<?> c = Class.forName(name, false, ClassLoader.getSystemClassLoader());
            for (Constructor<?> k : c.getConstructors())
                texts.add(k.toString());
            for (Method m : c.getMethods())
                texts.add(m.toString());
        } catch (ClassNotFoundException e) {
            out.write("Class not found : " + name + "\n");
            return;
        } catch (Throwable e) {
            out.write("! " + name + " " + e + "\n");
            return;
        }
        int[] initial = new int[1];
        List<Group> groups = build(texts, search, field, initial);
        if (groups == null) {
            out.write("! " + name + " too many members\n");
            return;
        }
        for (int g = 0; g < groups.size(); g++) {
            Group group = groups.get(g);
            out.write("G\t" + g + "\t" + group.label + (g == initial[0] ? "\t*\n" : "\n"));
            for (int e = 0; e < group.entries.size(); e++)
                out.write("E\t" + e + "\t" + group.entries.get(e) + (keys ? "\t" + group.keys.get(e) : "") + "\n");
        }
    }

    public static void main(String[] args) throws Exception {
        String search = "";
        boolean keys = false;
        boolean home = false;
        List<String> names = new ArrayList<>();
        for (int i = 0; i < args.length; i++) {
            if (args[i].equals("--search") && i + 1 < args.length)
                search = args[++i];
            else if (args[i].equals("--keys"))
                keys = true;
            else if (args[i].equals("--home"))
                home = true;
            else if (args[i].equals("--jdk"))
                names.addAll(ReflectionDump.exportedClasses());
            else
                names.add(args[i]);
        }
        if (names.isEmpty()) {
            System.err.println("usage: ModelReference [--search TEXT] [--keys] [--home] (--jdk | NAME...)");
            System.exit(2);
        }
        BufferedWriter out = new BufferedWriter(new OutputStreamWriter(System.out, StandardCharsets.UTF_8), 1 << 16);
        if (home)
            out.write("@home " + System.getProperty("java.home") + "\n");
        for (String name : names) {
            if (names.size() > 1)
                out.write("# " + name + "\n");
            write(out, name, search, keys);
        }
        out.flush();
    }
}
