// The JVM's side of the fresh-process benchmark: what `quorvane-cli signatures NAME` prints,
// through the platform's own reflection.
public class PrintSignatures {
    public static void main(String[] args) throws Exception {
        for (String name : args) {
            Class<?> c = Class.forName(name, false, ClassLoader.getSystemClassLoader());
            StringBuilder out = new StringBuilder();
            for (var k : c.getConstructors())
                out.append(k).append('\n');
            for (var m : c.getMethods())
                out.append(m).append('\n');
            System.out.print(out);
        }
    }
}
